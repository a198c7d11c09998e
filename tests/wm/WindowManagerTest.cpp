// The set-up and experiment windows under a real window manager on a real X server: which window is
// active, what closing a window by its frame does, and when the program ends. Run by run-wm-test.sh.
#include "WmSupport.h"

#include "Bodies.h"
#include "Form1.h"
#include "Form2.h"
#include "Language.h"
#include "LessonGallery.h"
#include "ProgramWindows.h"
#include "StateLayout.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>

namespace orvane {
namespace {

using test::ActiveWindow;
using test::Click;
using test::CloseByWindowManager;
using test::TextOf;
using test::UserClick;
using test::WaitUntil;
using test::XTool;

// Ctrl+O and Ctrl+L pressed on the X server's keyboard, as a user presses them, open the file dialog and
// the gallery of experiments over the set-up window; the window manager gives each the focus.
TEST(WindowManager, CtrlOAndCtrlLOpenTheirDialogsFromTheSetupWindow) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    QTemporaryDir dir;
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    setup.SetParameterFilePath(dir.filePath(QStringLiteral("orvane1.dat")));
    setup.show();
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == setup.winId(); }))
        << "the window manager did not activate the set-up window";

    struct Case {
        const char* keys;
        QString title;
        bool (*isIt)(QWidget*);
    };
    const Case cases[] = {
        {"ctrl+o", QStringLiteral("Открыть файл параметров"),
         [](QWidget* w) { return qobject_cast<QFileDialog*>(w) != nullptr; }},
        {"ctrl+l", QStringLiteral("Опыты для урока"),
         [](QWidget* w) { return qobject_cast<LessonGallery*>(w) != nullptr; }},
    };
    for (const Case& c : cases) {
        bool opened = false, active = false;
        QString title;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !c.isIt(dialog) || !dialog->isVisible()) return;
            opened = true;
            title = dialog->windowTitle();
            active = active || ActiveWindow() == dialog->winId();
            if (active || poll.property("ticks").toInt() > 200) {
                poll.stop();
                dialog->reject();
            }
            poll.setProperty("ticks", poll.property("ticks").toInt() + 1);
        });
        poll.start();
        XTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(c.keys)});
        EXPECT_TRUE(WaitUntil([&] { return opened && !poll.isActive(); }, 8000)) << c.keys;
        EXPECT_EQ(title, c.title) << c.keys;
        EXPECT_TRUE(active) << c.keys << ": the dialog did not get the focus";
        ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == setup.winId(); })) << c.keys;
    }
}

// The whole sequence runs inside the program's own event loop, so that the end of the program when the
// last window closes is the real one.
TEST(WindowManager, SetupWindowHidesComesForwardAndTheProgramEndsWithTheLastWindow) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    QTemporaryDir dir;
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    setup.SetParameterFilePath(dir.filePath(QStringLiteral("orvane1.dat")));
    bool ended = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { ended = true; });

    QTimer::singleShot(0, [&] {
        setup.show();
        ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == setup.winId(); }))
            << "the window manager did not activate the set-up window";
        Form2* experiment = driver::StartExperiment(windows);
        ASSERT_NE(experiment, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == experiment->winId(); }));
        Click(experiment, "Command1"); // "Старт"
        const double earthX = state.BodyX(4);
        const QString earthText = TextOf(&setup, "Text3(3)");

        // "Изменить параметры объектов (сохранить)" makes the set-up window the active one.
        UserClick(experiment, "Command9");
        EXPECT_TRUE(WaitUntil([&] { return ActiveWindow() == setup.winId(); }))
            << "active: " << ActiveWindow() << ", set-up window: " << setup.winId();

        // Closed by the window manager while the experiment runs: hidden, the program and the run go on.
        CloseByWindowManager(&setup);
        ASSERT_TRUE(WaitUntil([&] { return !setup.isVisible(); }));
        const double simTime = experiment->Run().SimTime;
        EXPECT_TRUE(
            WaitUntil([&] { return experiment->Run().SimTime > simTime + 10 * state.Options.TimeStep; }));
        EXPECT_FALSE(ended);
        EXPECT_TRUE(experiment->isVisible());
        EXPECT_EQ(windows.ExperimentWindow(), experiment);

        // The save-and-return shows it again, in front, with the run's positions.
        // Paused first, so the positions handed over are exactly the run's.
        Click(experiment, "Command4");
        UserClick(experiment, "Command9");
        EXPECT_TRUE(WaitUntil([&] { return setup.isVisible() && ActiveWindow() == setup.winId(); }));
        EXPECT_EQ(state.BodyX(4), experiment->Run().StateVec(state::X(body::Earth, body::Count)));
        EXPECT_EQ(state.BodyY(4), experiment->Run().StateVec(state::Y(body::Earth, body::Count)));
        EXPECT_NE(state.BodyX(4), earthX);
        Click(experiment, "Command5");
        EXPECT_EQ(TextOf(&setup, "Text3(3)"), earthText); // the table as it was left, not loaded anew

        // Hidden again, the set-up window does not keep the program alive once the last window closes.
        CloseByWindowManager(&setup);
        ASSERT_TRUE(WaitUntil([&] { return !setup.isVisible(); }));
        EXPECT_FALSE(ended);
        CloseByWindowManager(experiment);
    });
    EXPECT_EQ(test::RunProgramToItsEnd(60000), 0) << "the program did not end when its last window closed";
    EXPECT_TRUE(ended);
}

// In English under the window manager: the set-up window, and a user's click on "Start Experiment" opens
// the experiment window, active and in English too.
TEST(WindowManager, InEnglishTheSetupWindowStartsAnEnglishExperimentWindow) {
    ui::ApplyLanguage(ui::Language::English);
    QTemporaryDir dir;
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    setup.SetParameterFilePath(dir.filePath(QStringLiteral("orvane1.dat")));
    setup.show();
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == setup.winId(); }));
    EXPECT_EQ(test::Find<QPushButton>(&setup, "Command1")->text(), "Start Experiment");
    UserClick(&setup, "Command1");
    ASSERT_TRUE(WaitUntil([&] { return windows.ExperimentWindow() != nullptr; }));
    Form2* experiment = windows.ExperimentWindow();
    EXPECT_TRUE(WaitUntil([&] { return ActiveWindow() == experiment->winId(); }));
    const auto cyrillic = [](const QString& text) {
        return std::any_of(text.begin(), text.end(),
                           [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
    };
    for (QWidget* window : {static_cast<QWidget*>(&setup), static_cast<QWidget*>(experiment)}) {
        for (auto* button : window->findChildren<QAbstractButton*>())
            EXPECT_FALSE(cyrillic(button->text())) << button->objectName().toStdString();
        for (auto* label : window->findChildren<QLabel*>())
            EXPECT_FALSE(cyrillic(label->text())) << label->objectName().toStdString();
        for (auto* frame : window->findChildren<QGroupBox*>())
            EXPECT_FALSE(cyrillic(frame->title())) << frame->objectName().toStdString();
    }
    EXPECT_EQ(test::Find<QPushButton>(experiment, "Command1")->text(), "Start");
    EXPECT_EQ(test::Find<QGroupBox>(experiment, "Frame1")->title(), "Motion of the Sun");
    experiment->hide();
    setup.hide();
    ui::ApplyLanguage(ui::Language::Russian);
}

} // namespace
} // namespace orvane
