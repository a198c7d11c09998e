#include "ExperimentTick.h"
#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using test::RecordingSurface;

// The shared state of a freshly started experiment and the run's own copy of it, as the experiment
// window holds them: default data packed, zoom ±4500, the Sun held, the clocks at zero.
struct Run : ::testing::Test {
    SimState shared = test::StartupState();
    SimState run;
    ExperimentView view; // ±4500 about the origin
    std::vector<std::string> log;
    RecordingSurface picture1{"Picture1", &log};
    RecordingSurface picture2{"Picture2", &log};

    void SetUp() override {
        shared.PackState();
        run = shared;
        run.Options.SunHeld = SunMode::Held;
    }
    void Ticks(int count) {
        for (int k = 0; k < count; ++k)
            ExperimentTick(run, shared, view, picture1, picture2);
    }
};

TEST_F(Run, OneTickDrawsTheFrameThenOnePointPerBodyOnBothScreens) {
    view.ZoomCenterX = -2250;
    view.ZoomCenterY = 1000;
    Ticks(1);
    ASSERT_EQ(log.size(), 7u + 2u * 11u);
    EXPECT_EQ(log[0], "Picture1 Scale");
    EXPECT_EQ(picture1.scale[0], -6750);
    EXPECT_EQ(picture1.scale[1], 5500);
    EXPECT_EQ(picture1.scale[2], 2250);
    EXPECT_EQ(picture1.scale[3], -3500);
    EXPECT_EQ(log[1], "Picture1 Line -6750.000000 0.000000 2250.000000 0.000000 c1");
    EXPECT_EQ(log[2], "Picture1 Line 0.000000 5500.000000 0.000000 -3500.000000 c1");
    EXPECT_EQ(log[3], "Picture2 Scale");
    EXPECT_DOUBLE_EQ(picture2.scale[0], -4193.9447); // 1.1 × Pluto's |y| in millions of km
    EXPECT_DOUBLE_EQ(picture2.scale[1], 4193.9447);
    EXPECT_EQ(log[4].substr(0, 28), "Picture2 Line -4193.944824 0");
    EXPECT_EQ(log[5].substr(0, 33), "Picture2 Line 0.000000 4193.94482");
    // The zoom frame: from the left screen's lower-left corner, 9000 by 9000.
    EXPECT_EQ(log[6], "Picture2 Box -6750.000000 -3500.000000 9000.000000 9000.000000");
    for (std::size_t k = 7; k < log.size(); k += 2) {
        EXPECT_EQ(log[k], "Picture1 PSet");
        EXPECT_EQ(log[k + 1], "Picture2 PSet");
    }
    // No screen is ever cleared by a tick: the points build the trails.
    Ticks(3);
    EXPECT_EQ(picture1.points.size(), 4u * 11u);
    for (const std::string& call : log)
        EXPECT_NE(call.substr(9), "Cls");
}

TEST_F(Run, PointsInMillionsOfKilometresInTheBodiesColours) {
    Ticks(1);
    ASSERT_EQ(picture1.points.size(), 11u);
    // The Sun, held, stays at the origin, green.
    EXPECT_EQ(picture1.points[0].x, 0);
    EXPECT_EQ(picture1.points[0].y, 0);
    EXPECT_EQ(picture1.points[0].color, 0x00FF00 >> 8 << 8); // green 255 is 255 × 256
    // The Earth, blue 455 drawn as 255: two days on from (12821, -146540) thousand km at (30165, 2639) m/s,
    // pulled towards the Sun by G·M / r² = 6.13 mm/s² over half the step's square, 0.0915 million km.
    const auto earth = picture1.points[3];
    EXPECT_EQ(earth.color, 255 * 65536);
    EXPECT_NEAR(earth.x, 12.821 + 30165 * 172800e-9 - 0.0915 * 12821 / 147100, 0.002);
    EXPECT_NEAR(earth.y, -146.540 + 2639 * 172800e-9 + 0.0915 * 146540 / 147100, 0.002);
    EXPECT_NEAR(run.ScreenX(4), earth.x, 1e-5);
    // The overview gets the same points in the same order.
    for (std::size_t k = 0; k < 11; ++k) {
        EXPECT_EQ(picture2.points[k].x, picture1.points[k].x);
        EXPECT_EQ(picture2.points[k].color, picture1.points[k].color);
    }
    EXPECT_EQ(picture1.points[4].color, 255); // Mars, red
    EXPECT_EQ(picture1.points[2].color, 0);   // Venus, black
    EXPECT_EQ(run.LoopI, 12);
}

TEST_F(Run, ElapsedYearsAndDaysOfTwoDaySteps) {
    Ticks(1);
    EXPECT_EQ(run.ElapsedYears, 0);
    EXPECT_EQ(run.ElapsedDaysRem, 2);
    Ticks(181);
    EXPECT_EQ(run.ElapsedYears, 0);
    EXPECT_EQ(run.ElapsedDaysRem, 364);
    Ticks(1);
    EXPECT_EQ(run.ElapsedDays, 366);
    EXPECT_EQ(run.ElapsedYears, 1);
    EXPECT_EQ(run.ElapsedDaysRem, 1);
}

TEST_F(Run, TenthOfADayStepsMakeADayInTenAndAYearIn3650) {
    shared.Options.TimeStep = 8640;
    Ticks(10);
    EXPECT_EQ(run.ElapsedYears, 0);
    EXPECT_EQ(run.ElapsedDaysRem, 1);
    Ticks(3640);
    EXPECT_EQ(run.ElapsedYears, 1);
    EXPECT_EQ(run.ElapsedDaysRem, 0);
}

TEST_F(Run, SharedOptionsTakeEffectAtTheNextTick) {
    Ticks(1);
    shared.Options.TimeStep = 86400;
    view.ZoomHalfX = 25;
    view.ZoomHalfY = 25;
    Ticks(1);
    EXPECT_EQ(run.SimTime, 172800 + 86400);
    EXPECT_EQ(run.ElapsedDaysRem, 3);
    EXPECT_EQ(picture1.scale[0], -25);
    EXPECT_EQ(picture1.scale[1], 25);
    EXPECT_EQ(log[log.size() - 23], "Picture2 Box -25.000000 -25.000000 50.000000 50.000000");
}

TEST_F(Run, AFaultedTickUndoesTheStepAndTheTimeAndPlotsNothing) {
    Ticks(2);
    const SimState before = run;
    shared.Options.TimeStep = 1e306; // positions overflow within one step
    EXPECT_THROW(Ticks(1), RunTimeError);
    EXPECT_TRUE(run.StateVec == before.StateVec);
    EXPECT_EQ(run.SimTime, before.SimTime);
    EXPECT_EQ(picture1.points.size(), 2u * 11u);
    shared.Options.TimeStep = 172800;
    Ticks(1);
    EXPECT_EQ(run.SimTime, 3 * 172800.0);
}

// The view starts 9000 million km across about the origin; a pan moves it a quarter of its extent, a
// new width keeps its centre, and either wipes the trails drawn in the old coordinates.
TEST(View, PansByAQuarterOfItsExtentAndZoomsAboutItsCentre) {
    ExperimentView view;
    EXPECT_EQ(view.ZoomHalfX, 4500);
    EXPECT_EQ(view.ZoomHalfY, 4500);
    EXPECT_TRUE(view.Pan(ExperimentView::Direction::Left));
    EXPECT_EQ(view.ZoomCenterX, -2250);
    EXPECT_TRUE(view.Pan(ExperimentView::Direction::Up));
    EXPECT_EQ(view.ZoomCenterY, 2250);
    EXPECT_TRUE(view.Zoom(777));
    EXPECT_EQ(view.ZoomHalfX, 388.5);
    EXPECT_EQ(view.ZoomHalfY, 388.5);
    EXPECT_EQ(view.ZoomCenterX, -2250);
    EXPECT_TRUE(view.Pan(ExperimentView::Direction::Right));
    EXPECT_EQ(view.ZoomCenterX, -2250 + 194.25);
    EXPECT_TRUE(view.Pan(ExperimentView::Direction::Down));
    EXPECT_EQ(view.ZoomCenterY, 2250 - 194.25);
}

} // namespace
} // namespace orvane
