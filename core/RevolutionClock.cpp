#include "RevolutionClock.h"

#include <cmath>
#include <numbers>

namespace orvane::measure {

namespace {
constexpr double FullTurn = 2 * std::numbers::pi;

// The difference of two angles, taken the short way round: -pi to pi.
double AngleStep(double from, double to) {
    double d = std::remainder(to - from, FullTurn);
    if (d <= -std::numbers::pi) d += FullTurn;
    return d;
}
} // namespace

void RevolutionClock::Start(double time, double angleRad) {
    *this = RevolutionClock{};
    lastAngle_ = angleRad;
    lastTime_ = time;
    lastCrossing_ = time;
}

void RevolutionClock::Advance(double time, double angleRad) {
    const double before = unwrapped_;
    const double after = before + AngleStep(lastAngle_, angleRad);
    const long turnsBefore = static_cast<long>(std::floor(before / FullTurn));
    const long turnsAfter = static_cast<long>(std::floor(after / FullTurn));
    if (turnsAfter != turnsBefore) {
        // Forwards the level crossed is the new whole turn, backwards the old one.
        const long level = turnsAfter > turnsBefore ? turnsAfter : turnsBefore;
        // A body that wobbles back over the turn it last crossed has not gone round again.
        if (level != lastLevel_) {
            const double fraction = (static_cast<double>(level) * FullTurn - before) / (after - before);
            const double crossing = lastTime_ + fraction * (time - lastTime_);
            period_ = crossing - lastCrossing_;
            lastCrossing_ = crossing;
            lastLevel_ = level;
            ++completed_;
        }
    }
    unwrapped_ = after;
    lastAngle_ = angleRad;
    lastTime_ = time;
}

} // namespace orvane::measure
