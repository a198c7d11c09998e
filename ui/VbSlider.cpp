#include "VbSlider.h"

namespace orvane::ui {

VbSlider::VbSlider(QWidget* parent, int min, int max, int value, int largeChange, int smallChange)
    : QSlider(Qt::Horizontal, parent) {
    setRange(min, max);
    setValue(value);
    setPageStep(largeChange);
    setSingleStep(smallChange);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval((max - min) / 10 > 0 ? (max - min) / 10 : 1);
    // actionTriggered comes before the new value is applied; the value change that follows is the user's.
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
        userMove_ = action != QAbstractSlider::SliderNoAction && sliderPosition() != this->value();
    });
    connect(this, &QAbstractSlider::valueChanged, this, [this](int) {
        const bool scrolled = userMove_;
        userMove_ = false;
        if (scrolled) emit Scroll();
        emit Change();
    });
}

} // namespace orvane::ui
