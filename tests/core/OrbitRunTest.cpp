#include "OrbitRun.h"
#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

using test::RecordingSurface;

constexpr int Earth = 4;

TEST(PlanetAngle, QuadrantsAndTheAxes) {
    SimState s = test::StartupState();
    struct Case {
        double x, y, angle;
    };
    const Case cases[] = {{1e11, 0, 0},
                          {-1e11, 0, 180},
                          {0, 1e11, 90},
                          {0, -1e11, 270},
                          {1e11, -1e6, 360 - 1e-5 * 180 / 3.14159},
                          {1e11, 1e11, 45.000038009906035}, // 3.14159 is a little less than pi
                          {-1e11, 1e11, 135.000038009906035 - 0.000076019812070}};
    for (const Case& c : cases) {
        SetPlanetAngle(s, Earth, c.x, c.y);
        EXPECT_NEAR(s.PlanetAngle(Earth), c.angle, 1e-9) << c.x << " " << c.y;
        EXPECT_LT(s.PlanetAngle(Earth), 360);
    }
}

TEST(PlanetAngle, OnTheYAxisTheArctangentOfTheLastStepIsKept) {
    SimState s = test::StartupState();
    SetPlanetAngle(s, Earth, 2e11, 1e11);
    const double kept = s.AngleRad;
    SetPlanetAngle(s, Earth, 0, -5);
    EXPECT_EQ(s.PlanetAngle(Earth), 270);
    EXPECT_EQ(s.AngleRad, kept);
}

// The angle is the arctangent multiplied by 180 and then divided by 3.14159. Folding 180 / 3.14159 into
// one factor first would give 0x1.a90a8aa1afcedp+4 here, one unit less in the last place.
TEST(PlanetAngle, MultipliedBy180ThenDividedAsWritten) {
    SimState s = test::StartupState();
    SetPlanetAngle(s, Earth, 2e11, 1e11);
    EXPECT_EQ(s.PlanetAngle(Earth), 0x1.a90a8aa1afceep+4);
    SetPlanetAngle(s, Earth, -2e11, -1e11);
    EXPECT_EQ(s.PlanetAngle(Earth), 0x1.a90a8aa1afceep+4 + 180);
}

TEST(OrbitRun, StartSeedsThePlanetsStateAndColour) {
    SimState shared = test::StartupState();
    SimState orbit;
    StartOrbitRun(orbit, shared, Earth);
    EXPECT_EQ(orbit.StateVec(test::OrbitX), 12821e6);
    EXPECT_EQ(orbit.StateVec(test::OrbitY), -146540e6);
    EXPECT_EQ(orbit.StateVec(test::OrbitVx), 30165);
    EXPECT_EQ(orbit.StateVec(test::OrbitVy), 2639);
    EXPECT_EQ(orbit.ColorB, 455);
    EXPECT_EQ(orbit.LoopI, Earth);
}

TEST(OrbitRun, AStepMovesThePlanetInTheTableAndLeavesOneTrailPointOnEachScreen) {
    SimState shared = test::StartupState();
    shared.Options.TimeStep = 8640;
    shared.SimTime = 100;
    SimState orbit;
    StartOrbitRun(orbit, shared, Earth);
    RecordingSurface picture1, picture2;
    shared.LoopI = 12; // whatever else loops over the bodies, the run keeps its planet
    OrbitStep(orbit, shared, Earth, picture1, picture2);

    // A tenth of a day at 30 km/s, pulled 229 km towards the Sun (G·M / r² = 6.13 mm/s², r = 147.1
    // million km); the angle turns by v·h / r = 0.102 degrees.
    EXPECT_NEAR(shared.BodyX(Earth), 12821e6 + 30165 * 8640.0 - 2.29e5 * 12821 / 147100, 1e3);
    EXPECT_NEAR(shared.BodyY(Earth), -146540e6 + 2639 * 8640.0 + 2.29e5 * 146540 / 147100, 1e3);
    EXPECT_EQ(shared.BodyVx(Earth), orbit.StateVec(test::OrbitVx));
    EXPECT_EQ(shared.BodyX(5), 169319e6); // no other body moves
    EXPECT_NEAR(shared.PlanetAngle(Earth), 275.0 + 0.102, 0.005);
    EXPECT_EQ(shared.SimTime, 100 + 8640);

    ASSERT_EQ(picture1.points.size(), 1u);
    ASSERT_EQ(picture2.points.size(), 1u);
    EXPECT_EQ(picture1.calls.size(), 1u); // no clearing, no frame: the trail goes over the preview
    EXPECT_NEAR(picture1.points[0].x, 13.0816, 1e-4); // millions of km
    EXPECT_NEAR(picture1.points[0].y, -146.5170, 1e-4);
    EXPECT_EQ(picture1.points[0].color, 255 * 65536);
    EXPECT_EQ(picture2.points[0].x, picture1.points[0].x);
    EXPECT_EQ(picture2.points[0].y, picture1.points[0].y);
}

// A planet at rest 150 million km from the Sun falls towards it at G·M / r²: with the Sun's mass taken
// over and repacked during the run, the next step falls twice as fast.
TEST(OrbitRun, TheSunsMassTakenOverDuringARunActsFromTheNextStep) {
    SimState shared = test::StartupState();
    shared.Options.TimeStep = 8640;
    shared.BodyX(Earth) = 1.5e11;
    shared.BodyY(Earth) = 0;
    shared.BodyVx(Earth) = 0;
    shared.BodyVy(Earth) = 0;
    SimState orbit;
    StartOrbitRun(orbit, shared, Earth);
    RecordingSurface picture1, picture2;

    const double sunMass = 5.97e24 * 33316600 / 100;
    const double fall = 6.67e-11 * sunMass / (1.5e11 * 1.5e11) * 8640; // m/s gained in one step
    OrbitStep(orbit, shared, Earth, picture1, picture2);
    EXPECT_NEAR(shared.BodyVx(Earth), -fall, 1e-4 * fall);

    shared.BodyMassPct(1) = 2 * 33316600;
    shared.PackState(); // "Вывести на экраны" refreshes the masses
    const double before = shared.BodyVx(Earth);
    OrbitStep(orbit, shared, Earth, picture1, picture2);
    EXPECT_NEAR(shared.BodyVx(Earth) - before, -2 * fall, 1e-4 * fall);
}

} // namespace
} // namespace orvane
