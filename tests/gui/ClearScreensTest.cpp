// «Очистить экраны» in the experiment window: both screens wiped and, with the trails kept, the kept
// trails with them, from the screens' menu and by Delete while the keys are on; the run goes on.
#include "GuiTestSupport.h"

#include "ScreenOptionsController.h"
#include "Settings.h"
#include "StateLayout.h"

#include <QAction>
#include <QTest>

namespace orvane {
namespace {

using test::Click;

constexpr QRgb EarthBlue = qRgb(0, 0, 255);

struct ClearScreens : test::ExperimentFixture {
    void SetUp() override {
        ui::OpenSettings()->clear();
        ExperimentFixture::SetUp();
    }
    ScreenOptionsController* Controller() { return form->findChild<ScreenOptionsController*>(); }
    int BluePoints() {
        return test::CountColor(Left()->Image(), EarthBlue) +
               test::CountColor(Overview()->Image(), EarthBlue);
    }
};

TEST_F(ClearScreens, OfferedOnBothScreensAfterTheOptions) {
    for (ui::PictureBox* screen : {Left(), Overview()}) {
        const QStringList entries = test::MenuEntries(screen);
        ASSERT_FALSE(entries.isEmpty());
        // Right after the options for a class, before the laws' entries.
        EXPECT_EQ(entries.indexOf("Очистить экраны"), entries.indexOf("Крупные точки (для проектора)") + 1);
    }
}

TEST_F(ClearScreens, WipesBothScreensAndTheKeptTrailsAndTheRunGoesOn) {
    Controller()->SetOptions({.keepTrails = true});
    Ticks(60);
    ASSERT_GT(BluePoints(), 20);
    ASSERT_EQ(Controller()->Trails().Size(), 60u);
    const double time = form->Run().SimTime;
    const double earthX = form->Run().StateVec(state::X(body::Earth, body::Count));

    Controller()->ClearScreensAction->trigger();
    EXPECT_EQ(BluePoints(), 0);
    EXPECT_EQ(Controller()->Trails().Size(), 0u);
    EXPECT_EQ(form->Run().SimTime, time); // no step, no change of the run
    EXPECT_EQ(form->Run().StateVec(state::X(body::Earth, body::Count)), earthX);

    // The next steps draw on; a pan then brings back only what was kept after the wipe.
    Ticks(5);
    EXPECT_EQ(Controller()->Trails().Size(), 5u);
    Click(form, "Command2");
    EXPECT_EQ(Controller()->Trails().Size(), 6u);
    EXPECT_LE(test::CountColor(Left()->Image(), EarthBlue), 6 * 4);
}

TEST_F(ClearScreens, TheDeleteKeyWipesOnlyWhileTheKeysAreOn) {
    Ticks(20);
    form->activateWindow();
    QTest::keyClick(form, Qt::Key_Delete);
    EXPECT_GT(BluePoints(), 10); // keys off: nothing happens
    Controller()->SetOptions({.keys = true});
    QTest::keyClick(form, Qt::Key_Delete);
    EXPECT_EQ(BluePoints(), 0);
}

} // namespace
} // namespace orvane
