// Every window on a real X server of a school's screen size under openbox, its frame as the window
// manager draws it: wholly on the screen's free area. Run by the ctest entries wm.fit.<size>, each on a
// virtual X server of that size (ORVANE_WM_SCREEN); 2560 × 1600 at QT_SCALE_FACTOR=2.
#include "WmSupport.h"

#include "Form3.h"
#include "MeasurementsWindow.h"

#include <QScreen>

namespace orvane {
namespace {

using test::Click;
using test::WaitUntil;

TEST(ScreenFitUnderAWindowManager, EveryWindowAndItsFrameLieOnTheScreen) {
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    setup.show();
    QPointer<Form2> experiment = driver::StartExperiment(windows);
    ASSERT_NE(experiment, nullptr);
    Click(experiment, "Command4");
    Click(experiment, "Command1");
    measure::MeasurementsWindow* measurements = driver::OpenMeasurements(experiment);
    ASSERT_NE(measurements, nullptr);
    Click(&setup, "Command8");
    QPointer<Form3> help = windows.HelpWindow();
    ASSERT_NE(help, nullptr);
    for (QWidget* window : {static_cast<QWidget*>(&setup), static_cast<QWidget*>(experiment.data()),
                            static_cast<QWidget*>(measurements), static_cast<QWidget*>(help.data())}) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        // At a scale of 2 the window manager's device pixels, odd ones too, are halved into logical
        // ones: an edge may round one logical pixel outward.
        const int rounding = window->devicePixelRatio() > 1 ? 1 : 0;
        const QRect available =
            window->screen()->availableGeometry().adjusted(-rounding, -rounding, rounding, rounding);
        // The frame is known once the window manager has decorated the window.
        WaitUntil([&] { return window->frameGeometry() != window->geometry(); }, 2000);
        EXPECT_TRUE(WaitUntil([&] { return available.contains(window->frameGeometry()); }, 2000))
            << window->objectName().toStdString() << ": " << window->frameGeometry().x() << ","
            << window->frameGeometry().y() << " " << window->frameGeometry().width() << "×"
            << window->frameGeometry().height() << " on " << available.width() << "×" << available.height();
    }
    experiment->close();
    help->close();
}

} // namespace
} // namespace orvane
