// The calendar and the real planets' positions. Expected longitudes were worked out separately, step by
// step from the published table and method (the published Kepler tolerance of 1e-6 degrees).
#include "Ephemeris.h"
#include "Calendar.h"
#include "RunTimeError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

constexpr int Mercury = 2, Earth = 4, Mars = 5, Jupiter = 6, Pluto = 10;

TEST(Calendar, CountsDaysAcrossLeapYearsAndCenturies) {
    EXPECT_EQ(DaysSince2000({2000, 1, 1}), 0);
    EXPECT_EQ(DateFromDaysSince2000(366), (CalendarDate{2001, 1, 1}));         // 2000 is a leap year
    EXPECT_EQ(DaysSince2000({1900, 3, 1}) - DaysSince2000({1899, 3, 1}), 365); // 1900 is not
    EXPECT_EQ(DaysSince2000({2000, 3, 1}) - DaysSince2000({1999, 3, 1}), 366);
    EXPECT_EQ(DaysSince2000({1999, 12, 31}), -1);
    EXPECT_EQ(DaysSince2000({1800, 1, 1}), -73048); // 200 years with 48 leap days
    EXPECT_EQ(DateFromDaysSince2000(-73048), (CalendarDate{1800, 1, 1}));
    EXPECT_EQ(DateFromDaysSince2000(DaysSince2000({2024, 2, 29})), (CalendarDate{2024, 2, 29}));
    EXPECT_DOUBLE_EQ(JulianDateAtMidnight({2000, 1, 1}), 2451544.5);
    EXPECT_DOUBLE_EQ(JulianDateAtMidnight({1800, 1, 1}), 2378496.5);
}

TEST(Calendar, ValidDates) {
    EXPECT_TRUE(IsValidDate({2024, 2, 29}));
    EXPECT_FALSE(IsValidDate({1900, 2, 29}));
    EXPECT_TRUE(IsValidDate({2000, 2, 29}));
    EXPECT_FALSE(IsValidDate({2001, 4, 31}));
    EXPECT_FALSE(IsValidDate({2001, 13, 1}));
    EXPECT_FALSE(IsValidDate({2001, 1, 0}));
}

TEST(Ephemeris, CoversOnly1800To2050) {
    EXPECT_FALSE(EphemerisCovers(CalendarDate{1799, 12, 31}));
    EXPECT_TRUE(EphemerisCovers(CalendarDate{1800, 1, 1}));
    EXPECT_TRUE(EphemerisCovers(CalendarDate{2050, 12, 31}));
    EXPECT_FALSE(EphemerisCovers(CalendarDate{2051, 1, 1}));
    EXPECT_TRUE(EphemerisCovers(2470172.5 - 0.01)); // the evening of 31 December 2050
    EXPECT_FALSE(EphemerisCovers(2470172.5));
}

TEST(Ephemeris, ElementsAtADateAddTheCenturyRates) {
    // 1 January 2100, 12 h is one Julian century after J2000.
    const OrbitalElements mars = PlanetElements(Mars, 2451545.0 + 36525);
    EXPECT_NEAR(mars.semiMajorAxisAu, 1.52371034 + 0.00001847, 1e-12);
    EXPECT_NEAR(mars.meanLongitudeDeg, -4.55343205 + 19140.30268499, 1e-9);
    const OrbitalElements earth = PlanetElements(Earth, 2451545.0);
    EXPECT_DOUBLE_EQ(earth.eccentricity, 0.01671123);
    EXPECT_DOUBLE_EQ(earth.perihelionLongitudeDeg, 102.93768193);
    EXPECT_THROW(PlanetElements(1, 2451545.0), RunTimeError); // the Sun has no orbit
    EXPECT_THROW(PlanetElements(11, 2451545.0), RunTimeError);
}

TEST(Ephemeris, KeplersEquationIsSolved) {
    EXPECT_NEAR(SolveKepler(0, 0.5), 0, 1e-12);
    EXPECT_NEAR(SolveKepler(180, 0.5), 180, 1e-9);
    // E = 90 degrees gives M = 90 degrees − e radians.
    const double e = 0.25;
    EXPECT_NEAR(SolveKepler(90 - e * 180 / 3.141592653589793, e), 90, 1e-9);
}

TEST(Ephemeris, LongitudesOnKnownDates) {
    EXPECT_NEAR(HeliocentricLongitudeDeg(Earth, 2451544.5), 99.87, 0.05); // 1 January 2000, 0 h
    EXPECT_NEAR(HeliocentricLongitudeDeg(Mars, JulianDateAtMidnight({2010, 7, 1})), 196.956, 0.001);
    EXPECT_NEAR(HeliocentricLongitudeDeg(Jupiter, JulianDateAtMidnight({1900, 1, 1})), 235.921, 0.001);
    EXPECT_NEAR(HeliocentricLongitudeDeg(Pluto, JulianDateAtMidnight({1930, 3, 13})), 109.731, 0.001);
    EXPECT_NEAR(HeliocentricLongitudeDeg(Mercury, JulianDateAtMidnight({2050, 12, 31})), 181.990, 0.001);
    const EclipticPoint mars = HeliocentricPosition(Mars, JulianDateAtMidnight({2010, 7, 1}));
    EXPECT_NEAR(std::hypot(mars.x, mars.y), 1.62502, 1e-4);
}

TEST(Ephemeris, PlanarOrbitHasThePublishedSizeAndShape) {
    const double mu = 6.67e-11 * 5.97e24 * 333166; // the program's Sun and an Earth-mass planet
    for (int body = Mercury; body <= Pluto; ++body) {
        const double jd = JulianDateAtMidnight({1987, 6, 15});
        const OrbitalElements el = PlanetElements(body, jd);
        const PlanarState s = PlanarStateOnDate(body, jd, mu);
        const double r = std::hypot(s.x, s.y);
        const double v2 = s.vx * s.vx + s.vy * s.vy;
        const double energy = v2 / 2 - mu / r;
        EXPECT_NEAR(-mu / (2 * energy) / AstronomicalUnitMetres, el.semiMajorAxisAu,
                    1e-9 * el.semiMajorAxisAu)
            << body;
        // The angular momentum fixes the eccentricity: h² = mu a (1 − e²).
        const double h = s.x * s.vy - s.y * s.vx;
        const double a = el.semiMajorAxisAu * AstronomicalUnitMetres;
        EXPECT_GT(h, 0) << body; // every planet turns counter-clockwise
        EXPECT_NEAR(h * h / (mu * a), 1 - el.eccentricity * el.eccentricity, 1e-9) << body;
        EXPECT_NEAR(s.angleDeg, std::fmod(std::atan2(s.y, s.x) * 180 / 3.141592653589793 + 360, 360), 1e-9);
    }
}

} // namespace
} // namespace orvane
