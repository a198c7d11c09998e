// Windows the program shows again, under a real window manager: a minimized one comes back in front, and
// the set-up window comes back where it stood. Run by run-wm-test.sh.
#include "WmSupport.h"

#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "MeasurementsController.h"
#include "MeasurementsWindow.h"
#include "ProgramWindows.h"

#include <QTemporaryDir>

namespace orvane {
namespace {

using test::ActiveWindow;
using test::UserClick;
using test::UserPress;
using test::WaitUntil;

struct ShownAgain : ::testing::Test {
    QTemporaryDir dir;
    SimState state;
    ProgramWindows windows{state};
    Form1& setup = windows.Setup();

    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        setup.SetParameterFilePath(dir.filePath(QStringLiteral("orvane1.dat")));
        setup.show();
        ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == setup.winId(); }))
            << "the window manager did not activate the set-up window";
    }
    void TearDown() override { driver::CloseOpenedWindows(windows); }
    Form2* StartExperiment() {
        EXPECT_TRUE(UserPress(&setup, "Command1"));
        Form2* experiment = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            experiment = windows.ExperimentWindow();
            return experiment != nullptr && ActiveWindow() == experiment->winId();
        }));
        return experiment;
    }
    // Minimized by the window manager, as its frame's button does, and seen so by the program.
    static bool Minimize(QWidget* window) {
        return test::MinimizeByWindowManager(window) &&
               WaitUntil([&] { return ActiveWindow() != window->winId(); });
    }
    // Back from minimized, in front and active.
    static bool BackInFront(QWidget* window) {
        return WaitUntil([&] { return !window->isMinimized() && ActiveWindow() == window->winId(); });
    }
};

TEST_F(ShownAgain, AMinimizedWindowComesBackInFrontWhenTheProgramShowsIt) {
    Form2* experiment = StartExperiment();
    ASSERT_NE(experiment, nullptr);

    // The set-up window, by "Изменить параметры объектов (сохранить)".
    ASSERT_TRUE(Minimize(&setup));
    ASSERT_TRUE(UserPress(experiment, "Command9"));
    EXPECT_TRUE(BackInFront(&setup)) << "the set-up window stayed minimized";

    // The experiment window, by "Начать эксперимент".
    ASSERT_TRUE(Minimize(experiment));
    ASSERT_TRUE(UserPress(&setup, "Command1"));
    EXPECT_EQ(windows.ExperimentWindow(), experiment);
    EXPECT_TRUE(BackInFront(experiment)) << "the experiment window stayed minimized";

    // The help window, by "About".
    ASSERT_TRUE(UserPress(&setup, "Command8"));
    Form3* help = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        help = windows.HelpWindow();
        return help != nullptr && ActiveWindow() == help->winId();
    }));
    ASSERT_TRUE(Minimize(help));
    ASSERT_TRUE(UserPress(&setup, "Command8"));
    EXPECT_EQ(windows.HelpWindow(), help);
    EXPECT_TRUE(BackInFront(help)) << "the help window stayed minimized";

    // The measurements window, by Ctrl+M typed in the experiment window.
    UserClick(experiment, "Picture2");
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == experiment->winId(); }));
    test::UserKeys("ctrl+m");
    QWidget* measurements = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        measurements = driver::MeasurementsOf(experiment)->Window();
        return measurements != nullptr && ActiveWindow() == measurements->winId();
    }));
    ASSERT_TRUE(Minimize(measurements));
    UserClick(experiment, "Picture2");
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == experiment->winId(); }));
    test::UserKeys("ctrl+m");
    EXPECT_TRUE(BackInFront(measurements)) << "the measurements window stayed minimized";
}

TEST_F(ShownAgain, TheSetupWindowComesBackWhereItWas) {
    // Moved somewhere the window manager would not put a new window.
    test::XTool(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QString::number(setup.winId()),
                                            QStringLiteral("437"), QStringLiteral("311")});
    ASSERT_TRUE(WaitUntil([&] { return test::PlaceOnScreen(&setup).x() >= 437; }));
    test::Wait(200);
    const QPoint onScreen = test::PlaceOnScreen(&setup);
    const QPoint client = setup.geometry().topLeft();

    Form2* experiment = StartExperiment();
    ASSERT_NE(experiment, nullptr);
    // Twice: a place taken while Qt does not yet know the frame's size must not creep the window.
    for (int showing = 1; showing <= 2; ++showing) {
        SCOPED_TRACE(showing);
        test::CloseByWindowManager(&setup);
        ASSERT_TRUE(WaitUntil([&] { return !setup.isVisible(); }));
        ASSERT_TRUE(UserPress(experiment, "Command9"));
        ASSERT_TRUE(WaitUntil([&] { return setup.isVisible() && ActiveWindow() == setup.winId(); }));
        EXPECT_TRUE(WaitUntil([&] { return test::PlaceOnScreen(&setup) == onScreen; }))
            << "on screen at " << test::PlaceOnScreen(&setup).x() << "," << test::PlaceOnScreen(&setup).y()
            << " instead of " << onScreen.x() << "," << onScreen.y();
        EXPECT_TRUE(WaitUntil([&] { return setup.geometry().topLeft() == client; }))
            << "reported at " << setup.geometry().x() << "," << setup.geometry().y() << " instead of "
            << client.x() << "," << client.y();
    }
}

// Closed by its frame with only the help window beside it, the set-up window takes the help window and the
// program with it: nothing is left that could bring the table back.
TEST_F(ShownAgain, ClosingTheSetupWindowWithOnlyTheHelpOpenEndsTheProgram) {
    ASSERT_TRUE(UserPress(&setup, "Command8"));
    QPointer<Form3> help = windows.HelpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return help->isVisible(); }));
    bool ended = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { ended = true; });
    QTimer::singleShot(0, [&] { test::CloseByWindowManager(&setup); });
    EXPECT_EQ(test::RunProgramToItsEnd(20000), 0) << "the program went on with only the help window";
    EXPECT_TRUE(ended);
    EXPECT_FALSE(setup.isVisible());
    EXPECT_TRUE(help == nullptr || !help->isVisible());
}

} // namespace
} // namespace orvane
