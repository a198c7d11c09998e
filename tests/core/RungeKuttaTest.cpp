#include "Bodies.h"
#include "CoreTestSupport.h"
#include "StateLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvane {
namespace {

using test::OrbitVx;
using test::OrbitVy;
using test::OrbitX;
using test::OrbitY;
using test::StartupState;

constexpr int N = body::Count; // bodies in the state vector
using body::Earth;
using body::Mercury;
using body::Sun;
using body::Uranus;
using body::Venus;

// A circular orbit of the Earth's radius: the error after one period, for `steps` steps per period.
double CircularOrbitError(int steps) {
    SimState s = StartupState();
    s.LoopI = 4;
    const double gm = s.BodyMass(1) * s.GravConst;
    const double r = 1.5e11;
    const double v = std::sqrt(gm / r);
    const double period = 2 * std::numbers::pi * std::sqrt(r * r * r / gm);
    s.StateVec(OrbitX) = r;
    s.StateVec(OrbitY) = 0;
    s.StateVec(OrbitVx) = 0;
    s.StateVec(OrbitVy) = v;
    s.Options.TimeStep = period / steps;
    for (int k = 0; k < steps; ++k)
        s.RungeKuttaStep(4, &SimState::OrbitDerivatives);
    EXPECT_EQ(s.LoopI, 4);
    EXPECT_EQ(s.LoopK, 5);
    return std::hypot(s.StateVec(OrbitX) - r, s.StateVec(OrbitY));
}

TEST(RungeKutta, CircularOrbitReturnsAfterOnePeriodWithFourthOrderError) {
    const double coarse = CircularOrbitError(200);
    const double fine = CircularOrbitError(400);
    EXPECT_LT(coarse, 1.5e11 * 1e-5);
    EXPECT_GT(coarse / fine, 12);
    EXPECT_LT(coarse / fine, 20);
}

TEST(RungeKutta, OneStepFollowsTheClassicalScheme) {
    // x' = v, v' = -GM/x² along the axis: one step worked out by hand from the four stages.
    SimState s = StartupState();
    s.LoopI = 2;
    const double gm = s.BodyMass(1) * s.GravConst;
    const double h = 86400;
    s.Options.TimeStep = h;
    s.StateVec(OrbitX) = 1e11;
    s.StateVec(OrbitY) = 0;
    s.StateVec(OrbitVx) = 0;
    s.StateVec(OrbitVy) = 0;
    s.RungeKuttaStep(4, &SimState::OrbitDerivatives);
    const auto acc = [gm](double x) { return -gm / (x * x); };
    const double x0 = 1e11, v0 = 0;
    const double k1x = h * v0, k1v = h * acc(x0);
    const double k2x = h * (v0 + k1v / 2), k2v = h * acc(x0 + k1x / 2);
    const double k3x = h * (v0 + k2v / 2), k3v = h * acc(x0 + k2x / 2);
    const double k4x = h * (v0 + k3v), k4v = h * acc(x0 + k3x);
    EXPECT_DOUBLE_EQ(s.StateVec(OrbitX), (k1x + 2 * k2x + 2 * k3x + k4x) / 6 + x0);
    EXPECT_DOUBLE_EQ(s.StateVec(OrbitVx), (k1v + 2 * k2v + 2 * k3v + k4v) / 6 + v0);
    EXPECT_EQ(s.StepStart(OrbitX), x0);
    EXPECT_EQ(s.RkK1(OrbitVx), k1v);
}

TEST(RungeKutta, EarthReturnsAfterAYearWithTheSunHeld) {
    SimState s = StartupState();
    s.PackState();
    s.Options.SunHeld = SunMode::Held;
    s.Options.TimeStep = 8640;
    const double x0 = s.StateVec(state::X(Earth, N)), y0 = s.StateVec(state::Y(Earth, N));
    const double r = std::hypot(x0, y0);
    const double v = std::hypot(30165.0, 2639.0);
    // The default Earth is not quite on a circle: one period of its ellipse, from the vis-viva energy.
    const double gm = s.BodyMass(1) * s.GravConst;
    const double a = 1 / (2 / r - v * v / gm);
    const double period = 2 * std::numbers::pi * std::sqrt(a * a * a / gm);
    const int steps = static_cast<int>(std::lround(period / s.Options.TimeStep));
    for (int k = 0; k < steps; ++k)
        s.RungeKuttaStep(44, &SimState::NBodyDerivatives);
    EXPECT_LT(std::hypot(s.StateVec(state::X(Earth, N)) - x0, s.StateVec(state::Y(Earth, N)) - y0), 0.01 * r);
    EXPECT_EQ(s.StateVec(state::X(Sun, N)), 0); // the held Sun has not moved
}

TEST(RunTimeErrors, FaultedStepLeavesTheStateAsItWas) {
    SimState s = StartupState();
    s.PackState();
    s.BodyMassPct(1) = 0; // a Sun of mass 0: its acceleration is 0/0
    s.PackState();
    s.Options.SunHeld = SunMode::Held;
    const SimState before = s;
    EXPECT_THROW(s.RungeKuttaStep(44, &SimState::NBodyDerivatives), RunTimeError);
    EXPECT_TRUE(s.StateVec == before.StateVec);
}

TEST(RunTimeErrors, OverflowAndDivisionByZeroAreCaught) {
    SimState s = StartupState();
    s.BodyX(11) = 1e300; // squares overflow
    s.PackState();
    try {
        s.NBodyDerivatives();
        FAIL();
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.Value().code, ErrorCode::FloatingPointOverflow) << error.Value();
    }

    SimState t = StartupState();
    t.PackState();
    t.Options.TimeStep = 1e307;
    t.StateVec(state::Vx(Uranus, N)) = 1e300;
    const SimState before = t;
    EXPECT_THROW(t.RungeKuttaStep(44, &SimState::NBodyDerivatives), RunTimeError);
    EXPECT_TRUE(t.StateVec == before.StateVec);
}

// Mercury reaches the origin only at the half step, a hair's breadth from Venus, where their pull
// overflows: the first stage has already moved the state, so the restore is what undoes it.
TEST(RunTimeErrors, AStepFaultingAtItsHalfStepIsUndoneAsAWhole) {
    SimState s = StartupState();
    test::SpreadBodies(s);
    s.BodyX(2) = -1.08e9;
    s.BodyY(2) = 0;
    s.BodyVx(2) = 25000; // 1.08e9 m in half a day
    s.BodyX(3) = 1e-150;
    s.BodyY(3) = 0;
    s.Options.SunHeld = SunMode::Held;
    s.Options.TimeStep = 86400;
    s.PackState();
    const SimState before = s;
    EXPECT_THROW(s.RungeKuttaStep(44, &SimState::NBodyDerivatives), RunTimeError);
    EXPECT_EQ(s.RkK1(state::X(Mercury, N)), 2.16e9); // the first stage went through
    EXPECT_EQ(s.StateVec(state::X(Mercury, N)), -1.08e9);
    EXPECT_EQ(s.StateVec(state::X(Venus, N)), 1e-150);
    EXPECT_EQ(s.StateVec(state::Vx(Mercury, N)), 25000);
    EXPECT_TRUE(s.StateVec == before.StateVec);
}

// A planet moved along its orbit reaches the Sun only at the half step.
TEST(RunTimeErrors, OrbitStepThroughTheSunIsUndone) {
    SimState s = StartupState();
    s.LoopI = 4;
    s.Options.TimeStep = 86400;
    s.StateVec(OrbitX) = 1.08e9;
    s.StateVec(OrbitY) = 0;
    s.StateVec(OrbitVx) = -25000;
    s.StateVec(OrbitVy) = 0;
    EXPECT_THROW(s.RungeKuttaStep(4, &SimState::OrbitDerivatives), RunTimeError);
    EXPECT_EQ(s.RkK1(OrbitX), -2.16e9); // the first stage went through
    EXPECT_EQ(s.StateVec(OrbitX), 1.08e9);
    EXPECT_EQ(s.StateVec(OrbitY), 0);
    EXPECT_EQ(s.StateVec(OrbitVx), -25000);
    EXPECT_EQ(s.StateVec(OrbitVy), 0);
}

} // namespace
} // namespace orvane
