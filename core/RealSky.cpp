#include "RealSky.h"

#include "Bodies.h"
#include "Ephemeris.h"

#include <cmath>
#include <numbers>

namespace orvane::measure {

namespace {
constexpr int FirstPlanet = 2;
constexpr int LastPlanet = 10;
} // namespace

CalendarDate DateOfSimulatedMoment(const CalendarDate& start, double seconds) {
    const auto days = static_cast<long long>(std::floor(seconds / SecondsPerDay));
    return DateFromDaysSince2000(DaysSince2000(start) + days);
}

double JulianDateOfSimulatedMoment(const CalendarDate& start, double seconds) {
    return JulianDateAtMidnight(start) + seconds / SecondsPerDay;
}

double WrapDegrees180(double degrees) {
    double wrapped = std::remainder(degrees, 360.0);
    if (wrapped <= -180) wrapped += 360;
    return wrapped;
}

SkyComparison CompareWithRealSky(const RunSnapshot& s) {
    SkyComparison sky;
    if (!s.dataSetDate) return sky;
    sky.date = DateOfSimulatedMoment(*s.dataSetDate, s.time);
    const double jd = JulianDateOfSimulatedMoment(*s.dataSetDate, s.time);
    if (!EphemerisCovers(jd)) {
        sky.status = SkyStatus::OutsideEphemeris;
        return sky;
    }
    sky.status = SkyStatus::Compared;
    for (int body = FirstPlanet; body <= LastPlanet; ++body) {
        const double real = HeliocentricLongitudeDeg(body, jd);
        const double simulated = PolarAngleAboutSun(s, body) * 180 / std::numbers::pi;
        sky.realLongitudeDeg[body] = real;
        sky.differenceDeg[body] = WrapDegrees180(simulated - real);
    }
    return sky;
}

} // namespace orvane::measure
