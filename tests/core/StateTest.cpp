#include "Bodies.h"
#include "CoreTestSupport.h"
#include "DrawingSurface.h"
#include "ExperimentStart.h"
#include "MassRules.h"
#include "StateLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::StartupState;

TEST(StartupValues, ConstantsCountsAndOptions) {
    const SimState s = StartupState();
    EXPECT_EQ(s.OrbiterCount, 10);
    EXPECT_EQ(s.BodyCount, 11);
    EXPECT_EQ(s.StateDim, 44);
    EXPECT_EQ(s.SelectedBody, 0);
    EXPECT_EQ(s.Options.StepDelayMs, 1);
    EXPECT_EQ(s.Options.TimeStep, 172800);
    EXPECT_DOUBLE_EQ(s.EarthMass, 5.97e24);
    EXPECT_DOUBLE_EQ(s.GravConst, 6.67e-11);
    EXPECT_EQ(s.LengthUnit, 1e6);
}

TEST(StartupValues, DefaultBodyTableInMetresAndKilograms) {
    const SimState s = StartupState();
    EXPECT_EQ(s.BodyX(4), 12821e6);
    EXPECT_EQ(s.BodyY(4), -146540e6);
    EXPECT_EQ(s.BodyVx(2), -55414);
    EXPECT_EQ(s.BodyMass(4), s.EarthMass * 100 / 100);
    EXPECT_EQ(s.BodyMass(1), s.EarthMass * 33316600 / 100);
    EXPECT_EQ(s.BodyMassPct(11), 318100);
    EXPECT_EQ(s.PlanetAngle(3), 275);
    EXPECT_EQ(s.PlanetAngle(10), 240);
    // Every planet's velocity is perpendicular to its position, turning counter-clockwise.
    for (int i = 2; i <= 10; ++i) {
        const double dot = s.BodyX(i) * s.BodyVx(i) + s.BodyY(i) * s.BodyVy(i);
        const double cross = s.BodyX(i) * s.BodyVy(i) - s.BodyY(i) * s.BodyVx(i);
        const double r = std::hypot(s.BodyX(i), s.BodyY(i)), v = std::hypot(s.BodyVx(i), s.BodyVy(i));
        EXPECT_LT(std::fabs(dot) / (r * v), 1e-3) << "body " << i;
        EXPECT_GT(cross, 0) << "body " << i;
    }
}

TEST(PackState, ExtentsLayoutAndLoopIndex) {
    SimState s = StartupState();
    s.PackState();
    EXPECT_EQ(s.MaxAbsX, 2863619e6); // Neptune
    EXPECT_EQ(s.MaxAbsY, 3812677e6); // Pluto
    EXPECT_DOUBLE_EQ(s.ViewHalfX, 1.1 * 3812677 / 1000);
    EXPECT_EQ(s.ViewHalfX, s.ViewHalfY);
    EXPECT_LT(s.ViewHalfX, 6000);
    constexpr int earth = body::Earth, n = body::Count;
    EXPECT_EQ(s.StateVec(state::X(earth, n)), 12821e6);
    EXPECT_EQ(s.StateVec(state::Y(earth, n)), -146540e6);
    EXPECT_EQ(s.StateVec(state::Vx(earth, n)), 30165);
    EXPECT_EQ(s.StateVec(state::Vy(earth, n)), 2639);
    EXPECT_EQ(s.LoopI, 12);
}

TEST(PackState, RefreshesMassesAndHandlesDegenerateExtents) {
    SimState s = StartupState();
    s.BodyMassPct(11) = 0;
    for (int i = 1; i <= 11; ++i)
        s.BodyX(i) = 0;
    s.PackState();
    EXPECT_EQ(s.BodyMass(11), 0);
    EXPECT_EQ(s.MaxAbsX, 0);
    EXPECT_DOUBLE_EQ(s.ViewHalfX, 1.1 * 3812677 / 1000);

    for (int i = 1; i <= 11; ++i)
        s.BodyY(i) = 0;
    s.PackState();
    EXPECT_EQ(s.ViewHalfX, 0);
    EXPECT_EQ(s.ViewHalfY, 0);
}

TEST(Colors, RegistersAndComposedValues) {
    SimState s;
    const auto colorOf = [&s](int body) {
        s.LoopI = static_cast<Integer>(body);
        s.SetBodyColor();
        EXPECT_EQ(s.LoopI, body);
        return RgbColor(s.ColorR, s.ColorG, s.ColorB);
    };
    EXPECT_EQ(colorOf(3), 0);         // Venus black
    EXPECT_EQ(colorOf(1), 255 * 256); // Sun green
    s.LoopI = 4;
    s.SetBodyColor();
    EXPECT_EQ(s.ColorB, 455);           // the register keeps 455 ...
    EXPECT_EQ(colorOf(4), 255 * 65536); // ... drawn as pure blue
    EXPECT_EQ(colorOf(4), colorOf(10)); // Earth and Pluto share their blue
    EXPECT_EQ(colorOf(5), colorOf(9));  // Mars and Neptune share their red
    EXPECT_EQ(colorOf(5), 255);
    EXPECT_EQ(colorOf(6), 189);
    EXPECT_EQ(colorOf(11), 190 * 256);
    EXPECT_EQ(colorOf(0), 0);
    EXPECT_EQ(colorOf(12), 0);
    colorOf(5);
    colorOf(8); // no red left over from Mars
    EXPECT_EQ(s.ColorR, 0);
    EXPECT_EQ(s.ColorB, 191);
    EXPECT_EQ(RgbColor(1, 0, 0), 1);
    EXPECT_EQ(RgbColor(300, 300, 300), 0xFFFFFF);
}

TEST(CheckedState, IndexOutsideBoundsAndSixteenBitOverflowRaiseTheRunTimeError) {
    SimState s;
    EXPECT_NO_THROW(s.BodyX(12) = 1);
    EXPECT_NO_THROW(s.StateVec(45) = 1);
    EXPECT_THROW(s.BodyX(13), RunTimeError);
    EXPECT_THROW(s.BodyX(-1), RunTimeError);
    EXPECT_THROW(s.StateVec(46), RunTimeError);
    EXPECT_THROW(s.PairFx(1, 13), RunTimeError);
    EXPECT_THROW(Add16(32767, 1), RunTimeError);
    EXPECT_THROW(ToInt16(-32769), RunTimeError);
    EXPECT_EQ(ToInt16(10000), 10000);
    try {
        s.BodyY(20);
        FAIL();
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.Value().code, ErrorCode::IndexOutOfBounds);
        EXPECT_EQ(error.Value().text, "BodyY");
        EXPECT_EQ(error.Value().value, 20);
    }
}

using test::RecordingSurface;

TEST(DrawSetupScreens, DefaultDataOnBothScreens) {
    SimState s = StartupState();
    RecordingSurface p1, p2;
    s.DrawSetupScreens(p1, p2);
    ASSERT_EQ(p1.calls.size(), 2u + 2u + 11u);
    EXPECT_EQ(p1.calls[0], "Cls");
    EXPECT_EQ(p1.scale[0], -1000);
    EXPECT_EQ(p1.scale[1], 1000);
    EXPECT_EQ(p1.calls[2], "Line -1000.000000 0.000000 1000.000000 0.000000 c1");
    EXPECT_EQ(p1.calls[3], "Line 0.000000 1000.000000 0.000000 -1000.000000 c1");
    EXPECT_EQ(p1.calls[4], "Box 0.000000 0.000000 10.000000 10.000000"); // the Sun, lower-left corner at it
    EXPECT_EQ(p1.calls[7], "Box 12.821000 -146.539993 10.000000 10.000000"); // the Earth, in single precision
    // The overview is raised to ±6000 and outlines the ±1000 area of the left screen.
    EXPECT_EQ(s.ViewHalfX, 6000);
    EXPECT_EQ(s.ViewHalfY, 6000);
    EXPECT_EQ(p2.scale[0], -6000);
    EXPECT_EQ(p2.scale[3], -6000);
    EXPECT_EQ(p2.calls[4], "Box -1000.000000 -1000.000000 2000.000000 2000.000000");
    EXPECT_EQ(p2.calls[5], "Box 0.000000 0.000000 100.000000 100.000000");
    EXPECT_EQ(s.LoopI, 12);
}

TEST(DrawSetupScreens, FarBodyWidensTheOverview) {
    SimState s = StartupState();
    s.BodyX(11) = 8e12;
    RecordingSurface p1, p2;
    s.DrawSetupScreens(p1, p2);
    EXPECT_DOUBLE_EQ(s.ViewHalfX, 8800);
    EXPECT_DOUBLE_EQ(p2.scale[2], 8800);
}

TEST(DrawSetupScreens, CoordinatesBeyondSinglePrecisionAreHeldAtItsLimit) {
    SimState s = StartupState();
    s.BodyX(11) = 1e300;
    s.BodyY(11) = -1e300;
    RecordingSurface p1, p2;
    EXPECT_NO_THROW(s.DrawSetupScreens(p1, p2));
    // The largest single value, 2^128 − 2^104, written out.
    EXPECT_EQ(p1.calls[14], "Box 340282346638528859811704183484516925440.000000 "
                            "-340282346638528859811704183484516925440.000000 10.000000 10.000000");
    EXPECT_EQ(ToSingle(1e39), std::numeric_limits<float>::max());
    EXPECT_EQ(ToSingle(-1e39), -std::numeric_limits<float>::max());
    EXPECT_EQ(ToSingle(2.5), 2.5f);
    EXPECT_TRUE(std::isnan(ToSingle(std::nan(""))));
}

// The state vector of eleven bodies: every x, then every y, vx and vy; the orbit run's single body
// takes the first four places.
TEST(StateLayout, BlocksOfOnePerBody) {
    EXPECT_EQ(state::X(4, 11), 4);
    EXPECT_EQ(state::Y(4, 11), 15);
    EXPECT_EQ(state::Vx(4, 11), 26);
    EXPECT_EQ(state::Vy(4, 11), 37);
    EXPECT_EQ(state::Vy(11, 11), 44);
    EXPECT_EQ(state::Vy(1, 1), 4);
    // The first and the last body of eleven, worked out by hand.
    EXPECT_EQ(state::X(1, 11), 1);
    EXPECT_EQ(state::Y(1, 11), 12);
    EXPECT_EQ(state::Vx(1, 11), 23);
    EXPECT_EQ(state::Vy(1, 11), 34);
    EXPECT_EQ(state::X(11, 11), 11);
    EXPECT_EQ(state::Y(11, 11), 22);
    EXPECT_EQ(state::Vx(11, 11), 33);
}

TEST(BodyTableChanges, OnlyAChangeOfABodyButTheAsteroidForgetsTheDataSetDate) {
    SimState s = StartupState();
    s.LoadEpochData();
    s.SetBodyValue(&SimState::BodyMassPct, body::Sun, s.BodyMassPct(body::Sun)); // unchanged
    s.SetBodyState(body::Earth, s.BodyX(body::Earth), s.BodyY(body::Earth), s.BodyVx(body::Earth),
                   s.BodyVy(body::Earth));
    s.SetBodyValue(&SimState::BodyMassPct, body::Asteroid, 0);
    s.SetBodyState(body::Asteroid, 1e12, 2e12, 3, 4);
    EXPECT_EQ(s.DataSetDate, (CalendarDate{2000, 1, 1}));
    EXPECT_EQ(s.BodyY(body::Asteroid), 2e12);
    s.SetBodyValue(&SimState::BodyVy, body::Mars, s.BodyVy(body::Mars) + 1);
    EXPECT_FALSE(s.DataSetDate);
    EXPECT_FALSE(StartupState().DataSetDate); // the default data are no date's sky
}

TEST(BodyTableChanges, MassesTakenOverNeedASunAboveZeroAndNoNegativeAsteroid) {
    EXPECT_EQ(CheckSunAndAsteroidMasses(33000000, 0), std::nullopt);
    EXPECT_EQ(CheckSunAndAsteroidMasses(1e-300, 5), std::nullopt);
    EXPECT_EQ(CheckSunAndAsteroidMasses(0, 0), ErrorCode::SunMassNotPositive);
    EXPECT_EQ(CheckSunAndAsteroidMasses(-1, -1), ErrorCode::SunMassNotPositive); // the Sun is named first
    EXPECT_EQ(CheckSunAndAsteroidMasses(1, -1e-300), ErrorCode::AsteroidMassNegative);
}

TEST(ExperimentStart, PacksTheTableZeroesTheClocksAndReturnsTheRunToTheTable) {
    SimState shared = StartupState();
    shared.LoadEpochData();
    shared.SimTime = 5;
    shared.ElapsedYears = 2;
    shared.ElapsedDays = 800;
    shared.ElapsedDaysRem = 70;
    PrepareExperimentStart(shared);
    EXPECT_EQ(shared.SimTime, 0);
    EXPECT_EQ(shared.ElapsedYears, 0);
    EXPECT_EQ(shared.ElapsedDays, 0);
    EXPECT_EQ(shared.ElapsedDaysRem, 0);
    EXPECT_EQ(shared.StateVec(state::Y(body::Earth, 11)), shared.BodyY(body::Earth));

    SimState run = shared;
    run.StateVec(state::X(body::Mars, 11)) = 1;
    run.StateVec(state::Y(body::Mars, 11)) = 2;
    run.StateVec(state::Vx(body::Mars, 11)) = 3;
    run.StateVec(state::Vy(body::Mars, 11)) = 4;
    ReturnRunToTable(shared, run);
    EXPECT_EQ(shared.BodyX(body::Mars), 1);
    EXPECT_EQ(shared.BodyY(body::Mars), 2);
    EXPECT_EQ(shared.BodyVx(body::Mars), 3);
    EXPECT_EQ(shared.BodyVy(body::Mars), 4);
    EXPECT_EQ(shared.LoopI, 12); // handed back body by body through the shared loop index
    EXPECT_FALSE(shared.DataSetDate);
}

} // namespace
} // namespace orvane
