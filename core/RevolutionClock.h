#pragma once

#include <optional>

namespace orvane::measure {

// Times a body's revolutions around the Sun by watching its polar angle, followed continuously from
// step to step, cross the direction it started in. A revolution is complete when the angle reaches the
// next multiple of a full turn from there, in either sense; the moment of the crossing is interpolated
// linearly between the two samples around it.
class RevolutionClock {
  public:
    void Start(double time, double angleRad);
    void Advance(double time, double angleRad);

    // The duration of the last complete revolution; none before the first one is complete.
    std::optional<double> LastPeriod() const { return period_; }
    int CompletedRevolutions() const { return completed_; }

  private:
    double unwrapped_ = 0; // the angle turned through since the start, radians
    double lastAngle_ = 0;
    double lastTime_ = 0;
    long lastLevel_ = 0; // the whole turn last crossed
    double lastCrossing_ = 0;
    int completed_ = 0;
    std::optional<double> period_;
};

} // namespace orvane::measure
