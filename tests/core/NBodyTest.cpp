#include "Bodies.h"
#include "CoreTestSupport.h"
#include "StateLayout.h"
#include "Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvane {
namespace {

using test::OrbitVx;
using test::OrbitVy;
using test::OrbitX;
using test::OrbitY;
using test::SpreadBodies;
using test::StartupState;

constexpr double G = 6.67e-11;
constexpr int N = body::Count; // bodies in the state vector
using body::Asteroid;
using body::Earth;
using body::Sun;

// Acceleration of body k from Newton's law, summed over all other bodies, worked out directly.
void NewtonAcceleration(const SimState& s, int k, double& ax, double& ay) {
    ax = ay = 0;
    for (int j = 1; j <= 11; ++j) {
        if (j == k) continue;
        const double dx = s.BodyX(j) - s.BodyX(k), dy = s.BodyY(j) - s.BodyY(k);
        const double r = std::hypot(dx, dy);
        ax += G * s.BodyMass(j) * dx / (r * r * r);
        ay += G * s.BodyMass(j) * dy / (r * r * r);
    }
}

TEST(NBodyDerivatives, EarthIsPulledTowardsTheSunAtAboutSixMillimetresPerSecondSquared) {
    SimState s = StartupState();
    s.PackState();
    s.Options.SunHeld = SunMode::Held;
    s.NBodyDerivatives();
    const double ax = s.DerivVec(state::Vx(Earth, N)), ay = s.DerivVec(state::Vy(Earth, N));
    const double r = std::hypot(12821e6, 146540e6);
    const double expected = G * 5.97e24 * 333166 / (r * r);
    EXPECT_NEAR(std::hypot(ax, ay), expected, expected * 1e-3);
    EXPECT_NEAR(std::hypot(ax, ay), 6.13e-3, 0.02e-3);
    // Towards the Sun at the origin: opposite to the Earth's position.
    EXPECT_GT(-(ax * 12821e6 + ay * -146540e6) / (std::hypot(ax, ay) * r), 0.99999);
    // Velocities are copied into the position derivatives.
    EXPECT_EQ(s.DerivVec(state::X(Earth, N)), 30165);
    EXPECT_EQ(s.DerivVec(state::Y(Earth, N)), 2639);
    EXPECT_EQ(s.LoopI, 11);
    EXPECT_EQ(s.LoopJ, 12);
    // The body table holds the positions the derivative was evaluated at.
    EXPECT_EQ(s.BodyX(Earth), s.StateVec(state::X(Earth, N)));
}

TEST(NBodyDerivatives, AllAccelerationsAgreeWithNewtonsLawForDefaultData) {
    SimState s = StartupState();
    s.PackState();
    s.Options.SunHeld = SunMode::Free;
    s.NBodyDerivatives();
    for (int k = 1; k <= 11; ++k) {
        if (k == 9 || k == 10) continue; // the Neptune–Pluto floor changes their mutual pull
        double ax, ay;
        NewtonAcceleration(s, k, ax, ay);
        EXPECT_NEAR(s.DerivVec(state::Vx(k, N)), ax, std::fabs(ax) * 1e-6 + 1e-15) << "body " << k;
        EXPECT_NEAR(s.DerivVec(state::Vy(k, N)), ay, std::fabs(ay) * 1e-6 + 1e-15) << "body " << k;
    }
}

TEST(NBodyDerivatives, SunHeldOrFree) {
    SimState s = StartupState();
    s.BodyVx(1) = 100;
    s.BodyVy(1) = -50;
    s.PackState();
    s.Options.SunHeld = SunMode::Held;
    s.NBodyDerivatives();
    for (int c : {state::X(Sun, N), state::Y(Sun, N), state::Vx(Sun, N), state::Vy(Sun, N)})
        EXPECT_EQ(s.DerivVec(c), 0) << c;
    EXPECT_NE(s.DerivVec(state::Vx(Earth, N)), 0); // the planets still orbit it

    s.Options.SunHeld = SunMode::Free;
    s.NBodyDerivatives();
    EXPECT_EQ(s.DerivVec(state::X(Sun, N)), 100);
    EXPECT_EQ(s.DerivVec(state::Y(Sun, N)), -50);
    double ax, ay;
    NewtonAcceleration(s, 1, ax, ay);
    EXPECT_NEAR(s.DerivVec(state::Vx(Sun, N)), ax, std::fabs(ax) * 1e-9);
    EXPECT_NEAR(s.DerivVec(state::Vy(Sun, N)), ay, std::fabs(ay) * 1e-9);
}

// A stored switch of 1 holds the Sun as 2 does: any value of 1 or more holds it.
TEST(NBodyDerivatives, AnySunSwitchOfOneOrMoreHoldsTheSun) {
    SimState s = StartupState();
    s.BodyVx(1) = 100;
    s.PackState();
    s.Options.SunHeld = static_cast<SunMode>(1);
    s.NBodyDerivatives();
    EXPECT_EQ(s.DerivVec(state::X(Sun, N)), 0);
    EXPECT_EQ(s.DerivVec(state::Vx(Sun, N)), 0);
    EXPECT_EQ(static_cast<int>(SunMode::Held), 2);
    EXPECT_EQ(static_cast<int>(SunMode::Free), 0);

    // Loading the experiment window sets the fast slow-down and holds the Sun; the accuracy stays.
    ExperimentOptions options{TimeStepHigh, SlowStepDelayMs, SunMode::Free};
    LoadExperimentWindowOptions(options);
    EXPECT_EQ(options.TimeStep, 8640);
    EXPECT_EQ(options.StepDelayMs, 1);
    EXPECT_EQ(options.SunHeld, SunMode::Held);
}

TEST(PairRules, SmallXSeparationChangesOnlyTheAngle) {
    SimState s = StartupState();
    SpreadBodies(s);
    s.BodyX(2) = 5e11;
    s.BodyY(2) = 7e11;
    s.BodyX(3) = 5e11 + 400;
    s.BodyY(3) = 7e11 + 3000;
    s.PackState();
    s.NBodyDerivatives();
    EXPECT_EQ(s.PairDx(2, 3), 1000);
    EXPECT_DOUBLE_EQ(s.PairAngle(2, 3), std::atan(3.0));
    const double r = std::sqrt(400.0 * 400 + 3000.0 * 3000);
    const double force = s.BodyMass(2) * s.BodyMass(3) * s.GravConst / r / r;
    EXPECT_DOUBLE_EQ(s.PairForce(2, 3), force);
    EXPECT_GT(s.PairFx(2, 3), 0);
    EXPECT_GT(s.PairFy(2, 3), 0);
    EXPECT_DOUBLE_EQ(std::hypot(s.PairFx(2, 3), s.PairFy(2, 3)), force);
}

TEST(PairRules, PairAlongNegativeX) {
    SimState s = StartupState();
    SpreadBodies(s);
    s.BodyX(4) = 3e11;
    s.BodyY(4) = 0;
    s.BodyX(5) = 3e11 - 5e11;
    s.BodyY(5) = 0;
    s.PackState();
    s.NBodyDerivatives();
    const double force = s.BodyMass(4) * s.BodyMass(5) * s.GravConst / 5e11 / 5e11;
    EXPECT_EQ(s.PairAngle(4, 5), 0);
    EXPECT_DOUBLE_EQ(s.PairFx(4, 5), -force); // body 4 pulled towards -x
    EXPECT_EQ(s.PairFy(4, 5), 0);
}

TEST(PairRules, NeptunePlutoDistanceFloor) {
    SimState s = StartupState();
    SpreadBodies(s);
    s.BodyX(9) = 2e12;
    s.BodyY(9) = 0;
    s.BodyX(10) = 2e12 + 6e11;
    s.BodyY(10) = 8e11; // 1e12 apart
    s.BodyX(2) = -2e12;
    s.BodyY(2) = 0;
    s.BodyX(3) = -2e12 + 6e11;
    s.BodyY(3) = 8e11; // another pair at the same distance
    s.PackState();
    s.NBodyDerivatives();
    EXPECT_EQ(s.PairDist(9, 10), 1.3e12);
    EXPECT_DOUBLE_EQ(s.PairForce(9, 10), s.BodyMass(9) * s.BodyMass(10) * s.GravConst / 1.3e12 / 1.3e12);
    EXPECT_DOUBLE_EQ(s.PairDist(2, 3), 1e12);
    EXPECT_DOUBLE_EQ(s.PairForce(2, 3), s.BodyMass(2) * s.BodyMass(3) * s.GravConst / 1e12 / 1e12);
}

TEST(DegenerateGeometry, EqualXPairPullsStraightAlongYWithItsTrueDistance) {
    SimState s = StartupState(); // first evaluation: no earlier forces to reuse
    SpreadBodies(s);
    s.BodyX(6) = 4e11;
    s.BodyY(6) = 1e11;
    s.BodyX(7) = 4e11;
    s.BodyY(7) = 1e11 - 2e11;
    s.PackState();
    s.NBodyDerivatives();
    const double force = s.BodyMass(6) * s.BodyMass(7) * s.GravConst / 2e11 / 2e11;
    EXPECT_EQ(s.PairFx(6, 7), 0);
    EXPECT_DOUBLE_EQ(s.PairFy(6, 7), -force);
    EXPECT_DOUBLE_EQ(s.PairDist(6, 7), 2e11);
    EXPECT_DOUBLE_EQ(s.PairAngle(6, 7), std::numbers::pi / 2);
    double ax, ay;
    NewtonAcceleration(s, 7, ax, ay);
    EXPECT_NEAR(s.DerivVec(state::Vy(7, N)), ay, std::fabs(ay) * 1e-9);
}

TEST(DegenerateGeometry, BodiesAtTheSamePlaceExertNoForceAndDivideByNothing) {
    SimState s = StartupState();
    SpreadBodies(s);
    s.BodyX(2) = s.BodyX(3) = 1e11;
    s.BodyY(2) = s.BodyY(3) = -2e11;
    s.PackState();
    EXPECT_NO_THROW(s.NBodyDerivatives());
    EXPECT_EQ(s.PairForce(2, 3), 0);
    EXPECT_EQ(s.PairFx(2, 3), 0);
    EXPECT_EQ(s.PairFy(2, 3), 0);
    for (int k = 1; k <= 44; ++k)
        EXPECT_TRUE(std::isfinite(s.DerivVec(k)));
}

TEST(DegenerateGeometry, MasslessAsteroidIsATestParticleAndPullsNoOne) {
    SimState s = StartupState();
    s.BodyMassPct(11) = 0;
    s.BodyX(11) = 1.2e11;
    s.BodyY(11) = 0.5e11;
    s.PackState();
    // An earlier evaluation left some acceleration behind: it must not survive.
    s.DerivVec(state::Vx(Asteroid, N)) = 123;
    s.DerivVec(state::Vy(Asteroid, N)) = -456;
    s.NBodyDerivatives();
    double ax, ay;
    NewtonAcceleration(s, 11, ax, ay);
    EXPECT_NEAR(s.DerivVec(state::Vx(Asteroid, N)), ax, std::fabs(ax) * 1e-9);
    EXPECT_NEAR(s.DerivVec(state::Vy(Asteroid, N)), ay, std::fabs(ay) * 1e-9);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(s.PairForce(i, 11), 0) << i;

    SimState withoutAsteroid = s;
    withoutAsteroid.BodyX(11) = 5e11; // moving a massless body changes no one else
    withoutAsteroid.PackState();
    withoutAsteroid.NBodyDerivatives();
    for (int k = 23; k <= 32; ++k)
        EXPECT_EQ(withoutAsteroid.DerivVec(k), s.DerivVec(k)) << k;
}

TEST(DegenerateGeometry, MasslessPlanetsAreTestParticlesAndJupiterKeepsKeplersPeriod) {
    SimState s = StartupState();
    for (int k = body::Mercury; k <= Asteroid; ++k)
        if (k != body::Jupiter) s.BodyMassPct(k) = 0;
    s.PackState();
    s.Options.SunHeld = SunMode::Held;
    s.NBodyDerivatives();
    for (int k : {Earth, static_cast<int>(body::Pluto)}) {
        double ax, ay;
        NewtonAcceleration(s, k, ax, ay);
        EXPECT_NEAR(s.DerivVec(state::Vx(k, N)), ax, std::fabs(ax) * 1e-9) << k;
        EXPECT_NEAR(s.DerivVec(state::Vy(k, N)), ay, std::fabs(ay) * 1e-9) << k;
    }

    // With the Sun held and nothing else pulling, Jupiter keeps an ellipse of μ = G·M_Sun:
    // 1/a = 2/r − v²/μ (vis-viva) and T = 2π·√(a³/μ).
    const int j = body::Jupiter;
    const double mu = G * s.BodyMass(Sun);
    const double r0 = std::hypot(s.BodyX(j), s.BodyY(j));
    const double v0 = std::hypot(s.BodyVx(j), s.BodyVy(j));
    const double a = 1 / (2 / r0 - v0 * v0 / mu);
    const double keplerDays = 2 * std::numbers::pi * std::sqrt(a * a * a / mu) / 86400;

    s.Options.TimeStep = 86400;
    const auto angle = [&] { return std::atan2(s.StateVec(state::Y(j, N)), s.StateVec(state::X(j, N))); };
    double turned = 0;
    double previous = angle();
    double days = 0;
    while (turned < 2 * std::numbers::pi && days < 10000) {
        s.RungeKuttaStep(4 * N, &SimState::NBodyDerivatives);
        const double now = angle();
        double step = now - previous;
        if (step < -std::numbers::pi) step += 2 * std::numbers::pi;
        if (step > std::numbers::pi) step -= 2 * std::numbers::pi;
        if (turned + step >= 2 * std::numbers::pi) {
            days += (2 * std::numbers::pi - turned) / step; // the fraction of the last day
            turned = 2 * std::numbers::pi;
        } else {
            turned += step;
            days += 1;
        }
        previous = now;
    }
    EXPECT_NEAR(days, keplerDays, 1.0);
    EXPECT_NEAR(days, 4333, 40); // Jupiter's year, about 11.86 of the Earth's
    for (int k = 1; k <= 4 * N; ++k)
        EXPECT_TRUE(std::isfinite(s.StateVec(k))) << k;
}

TEST(OrbitDerivatives, AxesQuadrantsAndTheEarth) {
    SimState s = StartupState();
    s.LoopI = 4;
    const double gm = s.BodyMass(1) * s.GravConst;
    s.StateVec(OrbitX) = 1.5e11;
    s.StateVec(OrbitY) = 0;
    s.StateVec(OrbitVx) = 1;
    s.StateVec(OrbitVy) = 2;
    s.OrbitDerivatives();
    EXPECT_EQ(s.DerivVec(OrbitX), 1);
    EXPECT_EQ(s.DerivVec(OrbitY), 2);
    EXPECT_EQ(s.PairAngle(1, 4), 0);
    EXPECT_NEAR(s.DerivVec(OrbitVx), -gm / (1.5e11 * 1.5e11), 1e-15);
    EXPECT_EQ(s.DerivVec(OrbitVy), 0);
    EXPECT_EQ(s.LoopI, 4);

    s.StateVec(OrbitX) = -1e11;
    s.StateVec(OrbitY) = -1e11;
    s.OrbitDerivatives();
    EXPECT_GT(s.DerivVec(OrbitVx), 0);
    EXPECT_GT(s.DerivVec(OrbitVy), 0);

    s.StateVec(OrbitX) = 12821e6;
    s.StateVec(OrbitY) = -146540e6;
    s.OrbitDerivatives();
    const double r = std::hypot(12821e6, 146540e6);
    EXPECT_NEAR(std::hypot(s.DerivVec(OrbitVx), s.DerivVec(OrbitVy)), gm / (r * r), 1e-12);
    EXPECT_GT(s.DerivVec(OrbitVy), 0);
    EXPECT_NEAR(std::hypot(s.DerivVec(OrbitVx), s.DerivVec(OrbitVy)), 6.13e-3, 0.02e-3);
}

// Moving a planet without mass along its orbit: Kepler's pull does not depend on the planet's mass, so
// it is pulled as a planet with mass is, where it once divided 0 by 0.
TEST(DegenerateGeometry, AMasslessPlanetMovedAlongItsOrbitIsPulledLikeAnyOther) {
    SimState s = StartupState();
    s.LoopI = 3;
    s.StateVec(OrbitX) = 1e11;
    s.StateVec(OrbitY) = 1e11;
    s.OrbitDerivatives();
    const double massiveAx = s.DerivVec(OrbitVx), massiveAy = s.DerivVec(OrbitVy);

    s.BodyMass(3) = 0;
    ASSERT_NO_THROW(s.OrbitDerivatives());
    const double gm = s.BodyMass(1) * s.GravConst;
    const double r = std::hypot(1e11, 1e11);
    EXPECT_NEAR(s.DerivVec(OrbitVx), -gm / (r * r) * std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(s.DerivVec(OrbitVy), -gm / (r * r) * std::sqrt(0.5), 1e-15);
    EXPECT_DOUBLE_EQ(s.DerivVec(OrbitVx), massiveAx);
    EXPECT_DOUBLE_EQ(s.DerivVec(OrbitVy), massiveAy);
}

TEST(DegenerateGeometry, OrbitOnTheYAxisPullsAlongYAndAtTheSunIsAnError) {
    SimState s = StartupState();
    s.LoopI = 5;
    const double gm = s.BodyMass(1) * s.GravConst;
    s.StateVec(OrbitX) = 0;
    s.StateVec(OrbitY) = -2e11;
    EXPECT_NO_THROW(s.OrbitDerivatives());
    EXPECT_EQ(s.DerivVec(OrbitVx), 0);
    EXPECT_NEAR(s.DerivVec(OrbitVy), gm / 4e22, 1e-15);
    EXPECT_DOUBLE_EQ(s.PairAngle(1, 5), std::numbers::pi / 2);

    s.StateVec(OrbitY) = 0;
    try {
        s.OrbitDerivatives();
        FAIL() << "a planet at the Sun's position must be refused";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.Value().code, ErrorCode::PlanetAtTheSun);
        EXPECT_EQ(error.Value().body, s.LoopI);
    }
}

TEST(OrbitDerivatives, SunOfMassZeroLeavesTheOrbitStraight) {
    SimState s = StartupState();
    s.BodyMass(1) = 0;
    s.LoopI = 3;
    s.StateVec(OrbitX) = 1e11;
    s.StateVec(OrbitY) = 1e11;
    s.OrbitDerivatives();
    EXPECT_EQ(s.DerivVec(OrbitVx), 0);
    EXPECT_EQ(s.DerivVec(OrbitVy), 0);
}

} // namespace
} // namespace orvane
