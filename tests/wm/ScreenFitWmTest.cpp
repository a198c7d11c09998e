// Every window on a real X server of a school's screen size under openbox, its frame as the window
// manager draws it: wholly on the screen's free area. Run by the ctest entries wm.fit.<size>, each on a
// virtual X server of that size (ORVANE_WM_SCREEN); 2560 × 1600 at QT_SCALE_FACTOR=2.
#include "WmSupport.h"

#include "ScreenFit.h"

namespace orvane {
namespace {

using test::WaitUntil;

TEST(ScreenFitUnderAWindowManager, EveryWindowAndItsFrameLieOnTheScreen) {
    const driver::EveryWindowOpen open;
    ASSERT_TRUE(open.Opened());
    for (QWidget* window : open.Windows()) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        // At a scale of 2 the window manager's device pixels, odd ones too, are halved into logical
        // ones: an edge may round one logical pixel outward.
        const int rounding = window->devicePixelRatio() > 1 ? 1 : 0;
        // The frame is known once the window manager has decorated the window.
        WaitUntil([&] { return window->frameGeometry() != window->geometry(); }, 2000);
        WaitUntil([&] { return driver::OffTheFreeArea(window, rounding).isEmpty(); }, 2000);
        EXPECT_EQ(driver::OffTheFreeArea(window, rounding), QString());
    }
}

} // namespace
} // namespace orvane
