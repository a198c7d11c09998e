#include "WheelZoom.h"

#include "Form2.h"
#include "Guard.h"
#include "PictureBox.h"
#include "VbSlider.h"

#include <QWheelEvent>

namespace orvane {

namespace {
constexpr int DeltaPerNotch = 120; // Qt's eighths of a degree in one notch of a usual wheel
}

WheelZoom::WheelZoom(Form2& experiment)
    : QObject(&experiment), experiment_(experiment), screen_(experiment.Picture1) {
    setObjectName(QStringLiteral("WheelZoom"));
    experiment.Picture1->installEventFilter(this);
}

void WheelZoom::Step(int steps, bool fine) {
    ui::VbSlider* slider = experiment_.Slider2;
    const int width = ZoomedWidth(slider->value(), steps, fine, slider->minimum(), slider->maximum());
    // As a drag of the slider's handle: its position first, then the value with the slider's Scroll and
    // Change, under the same guard as every handler.
    if (width != slider->value())
        ui::Guarded(&experiment_, experiment_.Timer1, [&] { slider->setSliderPosition(width); });
}

bool WheelZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || watched != screen_) return false;
    const auto& wheel = static_cast<const QWheelEvent&>(*event);
    // With Shift some systems turn the wheel sideways: either direction counts.
    const QPoint angle = wheel.angleDelta();
    pendingDelta_ += angle.y() != 0 ? angle.y() : angle.x();
    const int notches = pendingDelta_ / DeltaPerNotch;
    pendingDelta_ -= notches * DeltaPerNotch;
    if (notches != 0) Step(notches, (wheel.modifiers() & Qt::ShiftModifier) != 0);
    return true;
}

WheelZoom* ZoomOf(Form2& experiment) {
    auto* zoom = experiment.findChild<WheelZoom*>(QStringLiteral("WheelZoom"), Qt::FindDirectChildrenOnly);
    return zoom != nullptr ? zoom : new WheelZoom(experiment);
}

} // namespace orvane
