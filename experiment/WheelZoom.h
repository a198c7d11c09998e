#pragma once

#include <QObject>

namespace orvane {

class Form2;

// Zooming by a factor, as a class can follow: each notch of the mouse wheel over the left screen, or
// each press of + or − (ExperimentKeys), makes the screen 1.25 times smaller or larger; with Shift the
// wheel takes fine steps of 1.05. It moves the zoom slider as the user's hand would, so the slider's own
// events (the view, the screens wiped, the kept trails drawn again, the caption) follow as for a drag.
// Always on: the wheel did nothing over the screen before. A child of the window.
class WheelZoom : public QObject {
    Q_OBJECT
  public:
    explicit WheelZoom(Form2& experiment);

    // Makes the screen `steps` steps smaller (positive) or larger (negative).
    void Step(int steps, bool fine);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Form2& experiment_;
    // The screen it watches, kept here: while the window is torn down its screen still receives events,
    // when the window's own members may no longer be read.
    const QObject* screen_;
    int pendingDelta_ = 0; // eighths of a degree turned since the last whole notch (fine wheels, touchpads)
};

// The window's wheel zoom, made with the window's keys.
WheelZoom* ZoomOf(Form2& experiment);

} // namespace orvane
