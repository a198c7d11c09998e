// The planets as they stood on a chosen date. Expected numbers were worked out separately from the
// published table of elements: the orbit laid into the plane of the ecliptic, Kepler's equation solved to
// full precision, the velocity from the true anomaly (v_r = sqrt(mu/p) e sin nu, v_t = sqrt(mu/p)
// (1 + e cos nu)) with the program's own G and mu = G M_Sun, the orbit about a held Sun.
#include "DataSetOnDate.h"
#include "CoreTestSupport.h"
#include "DefaultData.h"
#include "Ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

using test::StartupState;

constexpr int Sun = 1, Venus = 3, Earth = 4, Mars = 5, Jupiter = 6, Saturn = 7, Asteroid = 11;
constexpr double Pi = 3.141592653589793;

// The planets are placed for a held Sun, a fixed centre: mu = G M_Sun, whatever the planet's own mass.
double Mu(const SimState& s, int /*body*/) {
    return s.GravConst * s.EarthMass * s.BodyMassPct(Sun) / 100;
}

double PolarAngleDeg(double x, double y) {
    const double angle = std::atan2(y, x) * 180 / Pi;
    return angle < 0 ? angle + 360 : angle;
}

// The difference of two angles in degrees, -180 to 180.
double AngleGap(double a, double b) {
    return std::remainder(a - b, 360.0);
}

TEST(DataSetOnDate, ElementsOnTwoDates) {
    const OrbitalElements earth1900 = PlanetElements(Earth, JulianDateAtMidnight({1900, 3, 1}));
    EXPECT_NEAR(earth1900.semiMajorAxisAu, 0.9999969992, 1e-10);
    EXPECT_NEAR(earth1900.eccentricity, 0.0167550785, 1e-10);
    EXPECT_NEAR(earth1900.meanLongitudeDeg, -35840.2641365822, 1e-8);
    EXPECT_NEAR(earth1900.perihelionLongitudeDeg, 102.6149349096, 1e-9);
    const OrbitalElements saturn2025 = PlanetElements(Saturn, JulianDateAtMidnight({2025, 6, 15}));
    EXPECT_NEAR(saturn2025.semiMajorAxisAu, 9.5363576319, 1e-10);
    EXPECT_NEAR(saturn2025.eccentricity, 0.0537320055, 1e-10);
    EXPECT_NEAR(saturn2025.meanLongitudeDeg, 361.1085757020, 1e-8);
    EXPECT_NEAR(saturn2025.perihelionLongitudeDeg, 92.4922397149, 1e-9);
}

TEST(DataSetOnDate, PositionsAndVelocitiesOnTwoDates) {
    struct Expected {
        CalendarDate date;
        int body;
        double radius, longitude, vx, vy;
    };
    const Expected cases[] = {
        {{1900, 3, 1}, Mars, 2.070094e11, 324.375044, 15047.521208, 21755.322762},
        {{1900, 3, 1}, Jupiter, 8.036221e11, 240.493520, 11216.564938, -5823.729277},
        {{2025, 6, 15}, Mars, 2.466745e11, 182.122533, 1811.962069, -22143.715895},
        {{2025, 6, 15}, Jupiter, 7.684074e11, 92.175792, -13222.720946, 114.847098},
        {{2025, 6, 15}, Earth, 1.519532e11, 263.816564, 29125.737113, -3320.107894},
    };
    for (const Expected& c : cases) {
        SimState s = StartupState();
        ASSERT_FALSE(LoadDataSetOnDate(s, c.date));
        const int b = c.body;
        EXPECT_NEAR(std::hypot(s.BodyX(b), s.BodyY(b)), c.radius, 1e-6 * c.radius) << b;
        EXPECT_NEAR(PolarAngleDeg(s.BodyX(b), s.BodyY(b)), c.longitude, 1e-5) << b;
        EXPECT_NEAR(s.BodyAngle(b), c.longitude, 1e-5) << b;
        EXPECT_EQ(s.PlanetAngle(b), s.BodyAngle(b)) << b;
        EXPECT_NEAR(s.BodyVx(b), c.vx, 1e-3) << b;
        EXPECT_NEAR(s.BodyVy(b), c.vy, 1e-3) << b;
    }
}

// At perihelion the velocity is perpendicular to the radius and v = sqrt(mu (1 + e) / r): for a circular
// orbit (e = 0) the circular velocity sqrt(mu / r). Venus passed perihelion on 20 February 2025 (mean
// anomaly 0.34 degrees at 0 h), where e = 0.00676640.
TEST(DataSetOnDate, VelocityAtPerihelionIsTheCircularVelocityTimesRootOfOnePlusE) {
    SimState s = StartupState();
    ASSERT_FALSE(LoadDataSetOnDate(s, {2025, 2, 20}));
    const double r = std::hypot(s.BodyX(Venus), s.BodyY(Venus));
    const double v = std::hypot(s.BodyVx(Venus), s.BodyVy(Venus));
    EXPECT_NEAR(r, 1.074774e11, 1e5);
    EXPECT_NEAR(v, 35252.1884, 1e-3);
    EXPECT_NEAR(v, std::sqrt(Mu(s, Venus) * (1 + 0.00676640) / r), 0.05);
    const double radialVelocity = (s.BodyX(Venus) * s.BodyVx(Venus) + s.BodyY(Venus) * s.BodyVy(Venus)) / r;
    EXPECT_LT(std::fabs(radialVelocity), 2.0); // sqrt(mu/p) e sin(0.34°) = 1.4 m/s
}

// The orbit energy e = v²/2 − mu/r gives back the published semi-major axis a = −mu / (2e), for every
// planet and with masses the user has changed.
TEST(DataSetOnDate, EveryOrbitHasThePublishedSemiMajorAxis) {
    for (const CalendarDate date :
         {CalendarDate{1800, 1, 1}, CalendarDate{1969, 7, 20}, CalendarDate{2050, 12, 31}}) {
        SimState s = StartupState();
        s.BodyMassPct(Jupiter) = 3181000; // a hundred times the real Jupiter
        ASSERT_FALSE(LoadDataSetOnDate(s, date));
        const double jd = JulianDateAtMidnight(date);
        for (int b = 2; b <= 10; ++b) {
            const double mu = Mu(s, b);
            const double energy = (s.BodyVx(b) * s.BodyVx(b) + s.BodyVy(b) * s.BodyVy(b)) / 2 -
                                  mu / std::hypot(s.BodyX(b), s.BodyY(b));
            const double a = PlanetElements(b, jd).semiMajorAxisAu * AstronomicalUnitMetres;
            EXPECT_NEAR(-mu / (2 * energy), a, 1e-9 * a) << date.year << " body " << b;
            // Every planet turns counter-clockwise.
            EXPECT_GT(s.BodyX(b) * s.BodyVy(b) - s.BodyY(b) * s.BodyVx(b), 0) << b;
        }
    }
}

// Only the planets change: the Sun stands at the origin at rest, the asteroid and every mass keep their
// values, and the table names the date.
TEST(DataSetOnDate, SunAtRestAsteroidAndMassesKept) {
    SimState s = StartupState();
    s.BodyX(Sun) = 5e9;
    s.BodyVy(Sun) = 12;
    s.BodyMassPct(Sun) = 30000000;
    s.BodyMassPct(Asteroid) = 7;
    s.BodyX(Asteroid) = 1.5e11;
    const SimState before = s;
    ASSERT_FALSE(LoadDataSetOnDate(s, {1986, 2, 9}));
    EXPECT_EQ(s.BodyX(Sun), 0);
    EXPECT_EQ(s.BodyY(Sun), 0);
    EXPECT_EQ(s.BodyVx(Sun), 0);
    EXPECT_EQ(s.BodyVy(Sun), 0);
    EXPECT_EQ(s.BodyMassPct, before.BodyMassPct);
    EXPECT_EQ(s.BodyMass, before.BodyMass);
    EXPECT_EQ(s.BodyX(Asteroid), before.BodyX(Asteroid));
    EXPECT_EQ(s.BodyY(Asteroid), before.BodyY(Asteroid));
    EXPECT_EQ(s.BodyVx(Asteroid), before.BodyVx(Asteroid));
    EXPECT_EQ(s.BodyVy(Asteroid), before.BodyVy(Asteroid));
    EXPECT_EQ(s.BodyAngle(Sun), before.BodyAngle(Sun));
    EXPECT_EQ(s.PlanetAngle(Asteroid), before.PlanetAngle(Asteroid));
    ASSERT_TRUE(s.DataSetDate.has_value());
    EXPECT_EQ(*s.DataSetDate, (CalendarDate{1986, 2, 9}));
    for (int b = 2; b <= 10; ++b) {
        EXPECT_GE(s.BodyAngle(b), 0);
        EXPECT_LT(s.BodyAngle(b), 360);
    }
    // A lighter Sun gives the same orbits with smaller velocities.
    SimState heavier = StartupState();
    ASSERT_FALSE(LoadDataSetOnDate(heavier, {1986, 2, 9}));
    EXPECT_EQ(s.BodyX(Earth), heavier.BodyX(Earth));
    EXPECT_NEAR(s.BodyVy(Earth) / heavier.BodyVy(Earth), std::sqrt(Mu(s, Earth) / Mu(heavier, Earth)), 1e-12);
}

// 1900 is no leap year, 2000 is one: the Earth's mean longitude advances by 365 and by 366 days of its
// published rate, 35999.37244981 degrees per 36525 days.
TEST(DataSetOnDate, DatesAcrossLeapYearsAndCenturies) {
    const auto meanLongitude = [](CalendarDate date) {
        return PlanetElements(Earth, JulianDateAtMidnight(date)).meanLongitudeDeg;
    };
    EXPECT_NEAR(meanLongitude({1900, 3, 1}) - meanLongitude({1899, 3, 1}), 359.74732222, 1e-7);
    EXPECT_NEAR(meanLongitude({2000, 3, 1}) - meanLongitude({1999, 3, 1}), 360.73293132, 1e-7);
    SimState s = StartupState();
    ASSERT_FALSE(LoadDataSetOnDate(s, {1900, 2, 28}));
    EXPECT_TRUE(LoadDataSetOnDate(s, {1900, 2, 29}));
    ASSERT_FALSE(LoadDataSetOnDate(s, {2000, 2, 29}));
}

TEST(DataSetOnDate, DatesOutsideTheTableAreRefusedAndChangeNothing) {
    for (const CalendarDate date : {CalendarDate{1799, 12, 31}, CalendarDate{2051, 1, 1},
                                    CalendarDate{1900, 2, 29}, CalendarDate{2020, 13, 1}}) {
        SimState s = StartupState();
        s.DataSetDate = CalendarDate{1999, 5, 5};
        const SimState before = s;
        const std::optional<Error> refusal = LoadDataSetOnDate(s, date);
        ASSERT_TRUE(refusal.has_value()) << date.year;
        EXPECT_EQ(refusal->date, date);
        EXPECT_EQ(s.BodyX, before.BodyX);
        EXPECT_EQ(s.BodyY, before.BodyY);
        EXPECT_EQ(s.BodyVx, before.BodyVx);
        EXPECT_EQ(s.BodyVy, before.BodyVy);
        EXPECT_EQ(s.BodyAngle, before.BodyAngle);
        EXPECT_EQ(s.PlanetAngle, before.PlanetAngle);
        EXPECT_EQ(s.DataSetDate, before.DataSetDate);
    }
    SimState s = StartupState();
    // The words are the windows' (ErrorText); the core says which refusal it is.
    EXPECT_EQ(LoadDataSetOnDate(s, {1799, 12, 31}).value(),
              (Error{.code = ErrorCode::DateOutsideEphemeris, .date = {1799, 12, 31}}));
    EXPECT_EQ(LoadDataSetOnDate(s, {2051, 1, 1}).value(),
              (Error{.code = ErrorCode::DateOutsideEphemeris, .date = {2051, 1, 1}}));
    EXPECT_EQ(LoadDataSetOnDate(s, {1900, 2, 29}).value(),
              (Error{.code = ErrorCode::DateNotInCalendar, .date = {1900, 2, 29}}));
    EXPECT_FALSE(LoadDataSetOnDate(s, {1800, 1, 1}));
    EXPECT_FALSE(LoadDataSetOnDate(s, {2050, 12, 31}));

    SimState massless = StartupState();
    massless.BodyMassPct(Sun) = 0;
    const SimState before = massless;
    EXPECT_EQ(LoadDataSetOnDate(massless, {2000, 1, 1}), (Error{.code = ErrorCode::SunWithoutMass}));
    EXPECT_EQ(massless.BodyX, before.BodyX);
    EXPECT_FALSE(massless.DataSetDate);
}

// The program's own 1.1.2000 table gives its angles to the nearest half degree from older elements; the
// same date computed here lies within 3 degrees of it for every planet (Mercury 2.6, Uranus 2.1).
TEST(DataSetOnDate, FirstOfJanuary2000IsCloseToTheBuiltInSet) {
    SimState s = StartupState();
    ASSERT_FALSE(LoadDataSetOnDate(s, {2000, 1, 1}));
    for (int b = 2; b <= 10; ++b) {
        const BodyRecord& builtIn = EpochBodies[static_cast<std::size_t>(b - 1)];
        EXPECT_LT(std::fabs(AngleGap(s.BodyAngle(b), builtIn.angle)), 3.0) << b;
        const double builtInRadius = std::hypot(builtIn.x, builtIn.y) * s.LengthUnit;
        EXPECT_NEAR(std::hypot(s.BodyX(b), s.BodyY(b)), builtInRadius, 0.05 * builtInRadius) << b;
    }
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// The table shows BodyAngle after a load and the parameter file saves PlanetAngle: after either data set
// of real positions they agree for every planet, Pluto included, and give the planet's polar angle.
TEST(DataSetOnDate, EveryPlanetsAngleShownAndSavedAlike) {
    SimState epoch = StartupState();
    epoch.LoadEpochData();
    SimState onDate = StartupState();
    ASSERT_FALSE(LoadDataSetOnDate(onDate, {1986, 2, 9}));
    for (int b = 2; b <= 10; ++b) {
        EXPECT_EQ(epoch.PlanetAngle(b), epoch.BodyAngle(b)) << b;
        EXPECT_EQ(epoch.BodyAngle(b), EpochBodies[static_cast<std::size_t>(b - 1)].angle) << b;
        EXPECT_EQ(onDate.PlanetAngle(b), onDate.BodyAngle(b)) << b;
        EXPECT_NEAR(onDate.BodyAngle(b), PolarAngleDeg(onDate.BodyX(b), onDate.BodyY(b)), 1e-9) << b;
    }
}

} // namespace
} // namespace orvane
