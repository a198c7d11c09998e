// One tick of the experiment: draw the frame of both screens, advance one Runge–Kutta step, show the
// elapsed time and plot one point per body.
#include "DrawingSurface.h"
#include "FloatingPoint.h"
#include "Form2.h"
#include "NumberText.h"
#include "PictureBox.h"
#include "VbTimer.h"

#include <QLineEdit>

#include <cmath>

namespace orvane {

namespace {
constexpr std::int32_t AxisColor = 1;

// Laying out a text box's text costs more than the rest of a tick's drawing: only a new value does.
void ShowIfChanged(QLineEdit* box, const QString& text) {
    if (box->text() != text) box->setText(text);
}
} // namespace

void Form2::Command1_Click() {
    const SimState& s = shared_;
    const double zoomHalfX = s.ZoomHalfX;
    const double zoomHalfY = s.ZoomHalfY;

    Picture1->Scale(ZoomCenterX - zoomHalfX, ZoomCenterY + zoomHalfY, ZoomCenterX + zoomHalfX,
                    ZoomCenterY - zoomHalfY);
    Picture1->Line(ToSingle(ZoomCenterX - zoomHalfX), 0, ToSingle(ZoomCenterX + zoomHalfX), 0, AxisColor);
    Picture1->Line(0, ToSingle(ZoomCenterY + zoomHalfY), 0, ToSingle(ZoomCenterY - zoomHalfY), AxisColor);

    const double viewHalfX = s.ViewHalfX;
    const double viewHalfY = s.ViewHalfY;
    Picture2->Scale(-viewHalfX, viewHalfY, viewHalfX, -viewHalfY);
    Picture2->Line(ToSingle(-viewHalfX), 0, ToSingle(viewHalfX), 0, AxisColor);
    Picture2->Line(0, ToSingle(viewHalfY), 0, ToSingle(-viewHalfY), AxisColor);
    Picture2->Box(ToSingle(ZoomCenterX - zoomHalfX), ToSingle(ZoomCenterY - zoomHalfY),
                  ToSingle(2 * zoomHalfX), ToSingle(2 * zoomHalfY));

    SimState& r = run_;
    const double timeBefore = r.SimTime;
    try {
        ClearFloatingPointStatus();
        r.SimTime = r.SimTime + s.TimeStep;
        CheckFloatingPointStatus();
        r.TimeStep = s.TimeStep;
        r.RungeKuttaStep(r.StateDim, Derivative::NBody);
    } catch (const RunTimeError&) {
        // The step is undone as a whole: the time goes back with the state.
        r.SimTime = timeBefore;
        throw;
    }

    ClearFloatingPointStatus();
    const Integer n = r.BodyCount;
    for (r.LoopI = 1; r.LoopI <= n; r.LoopI = Add16(r.LoopI, 1)) {
        r.ScreenX(r.LoopI) = r.StateVec(r.LoopI) / s.LengthUnit / 1000;
        r.ScreenY(r.LoopI) = r.StateVec(r.LoopI + n) / s.LengthUnit / 1000;
    }
    r.ElapsedDays = r.SimTime / 3600 / 24;
    r.ElapsedYears = std::trunc(r.ElapsedDays / 365);
    r.ElapsedDaysRem = r.ElapsedDays - 365 * r.ElapsedYears;
    CheckFloatingPointStatus();
    ShowIfChanged(Text1, ui::NumberToText(r.ElapsedYears));
    ShowIfChanged(Text2, ui::NumberToText(r.ElapsedDaysRem));

    for (r.LoopI = 1; r.LoopI <= n; r.LoopI = Add16(r.LoopI, 1)) {
        r.SetBodyColor();
        const std::int32_t color = RgbColor(r.ColorR, r.ColorG, r.ColorB);
        const auto x = ToSingle(r.ScreenX(r.LoopI));
        const auto y = ToSingle(r.ScreenY(r.LoopI));
        Picture1->PSet(x, y, color);
        Picture2->PSet(x, y, color);
    }

    Timer1->SetInterval(s.StepDelayMs);
    emit Ticked();
}

} // namespace orvane
