// Every window's first size and place on the screens a school has: 1024 × 768, 1280 × 800, 1366 × 768
// and 2560 × 1600 at a scale of 2 (a dense laptop screen, 1280 × 800 logical pixels). Each is a ctest
// entry of its own (fit.<size>), the offscreen platform given that screen by a configuration file; in
// the ordinary run the screen is the platform's own.
#include "GuiTestSupport.h"

#include "DateDialog.h"
#include "Form3.h"
#include "LessonGallery.h"
#include "MeasurementsWindow.h"
#include "SaveLessonDialog.h"
#include "ScreenFit.h"
#include "WindowOps.h"

namespace orvane {
namespace {

// The window, its frame included, lies wholly on the screen's free area.
void ExpectOnScreen(QWidget* window) {
    EXPECT_EQ(driver::OffTheFreeArea(window), QString());
}

TEST(ScreenFit, EveryWindowOpensWhollyOnTheScreen) {
    const driver::EveryWindowOpen open;
    ASSERT_TRUE(open.Opened());
    QApplication::processEvents();
    for (QWidget* window : open.Windows())
        ExpectOnScreen(window);
    measure::MeasurementsWindow* measurements = open.measurements;
    // The measurements' plots whole inside the window, their time axes included.
    for (const char* name : {"DistancePlot"}) {
        auto* plot = test::Find<QWidget>(measurements, name);
        ASSERT_NE(plot, nullptr);
        const QRect inWindow(plot->mapTo(measurements, QPoint(0, 0)), plot->size());
        EXPECT_TRUE(measurements->rect().contains(inWindow)) << name;
        EXPECT_GE(plot->height(), 120) << name;
    }
}

// The dialogs a lesson needs open whole on the same screens: the gallery with every built-in experiment,
// the teacher's save dialog and the date dialog, each over the set-up window as the program opens them.
TEST(ScreenFit, EveryDialogOpensWhollyOnTheScreen) {
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    setup.show();
    LessonGallery gallery(ReadLessonCatalogue({BuiltInLessonFolder}).entries, &setup);
    SaveLessonDialog save(&setup);
    DateDialog date(&setup);
    for (QDialog* dialog :
         {static_cast<QDialog*>(&gallery), static_cast<QDialog*>(&save), static_cast<QDialog*>(&date)}) {
        dialog->show();
        QApplication::processEvents();
        ExpectOnScreen(dialog);
        dialog->hide();
    }
}

TEST(ScreenFit, TheFittedSizeKeepsToTheFreeAreaAndTheMinimum) {
    const QSize frame(16, 48);
    EXPECT_EQ(ui::FittedSize({1180, 860}, {600, 400}, {1920, 1050}, frame), QSize(1180, 860));
    EXPECT_EQ(ui::FittedSize({1180, 860}, {600, 400}, {1280, 770}, frame), QSize(1180, 722));
    EXPECT_EQ(ui::FittedSize({1180, 860}, {600, 400}, {1024, 738}, frame), QSize(1008, 690));
    EXPECT_EQ(ui::FittedSize({1180, 860}, {600, 700}, {1024, 738}, frame), QSize(1008, 700)); // the minimum
}

} // namespace
} // namespace orvane
