// The set-up and experiment windows under a real window manager on a real X server: which window is
// active, what closing a window by its frame does, and when the program ends. Run by run-wm-test.sh.
#include "GuiTestSupport.h"

#include "Form1.h"
#include "Form2.h"
#include "Language.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include <QProcess>
#include <QTemporaryDir>

namespace orvane {
namespace {

using test::Click;
using test::TextOf;
using test::WaitUntil;

// Runs an X tool and gives its output, as the window manager sees things.
QString XTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000)) return QStringLiteral("(no answer from %1)").arg(program);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

WId ActiveWindow() {
    return XTool(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).toULongLong();
}

// Asks the window manager to close a window, as its frame's close box does.
void CloseByWindowManager(QWidget* window) {
    XTool(QStringLiteral("wmctrl"),
          {QStringLiteral("-i"), QStringLiteral("-c"), QStringLiteral("0x%1").arg(window->winId(), 0, 16)});
}

// Clicks a button with the X server's pointer, as a user does: the window manager then sees the
// program acting on a fresh user event, which is what lets it bring a window forward.
void UserClick(QWidget* window, const char* name) {
    auto* button = test::Find<QWidget>(window, QString::fromLatin1(name));
    const QPoint at = button->mapTo(window, button->rect().center());
    XTool(QStringLiteral("xdotool"),
          {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window->winId()),
           QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// The whole sequence runs inside the program's own event loop, so that the end of the program when the
// last window closes is the real one.
TEST(WindowManager, SetupWindowHidesComesForwardAndTheProgramEndsWithTheLastWindow) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    QTemporaryDir dir;
    SimState state;
    Form1 setup(state);
    setup.SetParameterFilePath(dir.filePath(QStringLiteral("orvane1.dat")));
    bool ended = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { ended = true; });

    QTimer::singleShot(0, [&] {
        setup.show();
        ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == setup.winId(); }))
            << "the window manager did not activate the set-up window";
        Click(&setup, "Command1");
        Form2* experiment = setup.ExperimentWindow();
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
        EXPECT_TRUE(WaitUntil([&] { return experiment->Run().SimTime > simTime + 10 * state.TimeStep; }));
        EXPECT_FALSE(ended);
        EXPECT_TRUE(experiment->isVisible());
        EXPECT_EQ(setup.ExperimentWindow(), experiment);

        // The save-and-return shows it again, in front, with the run's positions.
        // Paused first, so the positions handed over are exactly the run's.
        Click(experiment, "Command4");
        UserClick(experiment, "Command9");
        EXPECT_TRUE(WaitUntil([&] { return setup.isVisible() && ActiveWindow() == setup.winId(); }));
        EXPECT_EQ(state.BodyX(4), experiment->Run().StateVec(4));
        EXPECT_EQ(state.BodyY(4), experiment->Run().StateVec(15));
        EXPECT_NE(state.BodyX(4), earthX);
        Click(experiment, "Command5");
        EXPECT_EQ(TextOf(&setup, "Text3(3)"), earthText); // the table as it was left, not loaded anew

        // Hidden again, the set-up window does not keep the program alive once the last window closes.
        CloseByWindowManager(&setup);
        ASSERT_TRUE(WaitUntil([&] { return !setup.isVisible(); }));
        EXPECT_FALSE(ended);
        CloseByWindowManager(experiment);
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QApplication::exit(2); });
    limit.start(60000);
    EXPECT_EQ(QApplication::exec(), 0) << "the program did not end when its last window closed";
    EXPECT_TRUE(ended);
}

// In English under the window manager: the set-up window, and a user's click on "Start experiment" opens
// the experiment window, active and in English too.
TEST(WindowManager, InEnglishTheSetupWindowStartsAnEnglishExperimentWindow) {
    ui::ApplyLanguage(ui::Language::English);
    QTemporaryDir dir;
    SimState state;
    Form1 setup(state);
    setup.SetParameterFilePath(dir.filePath(QStringLiteral("orvane1.dat")));
    setup.show();
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == setup.winId(); }));
    EXPECT_EQ(test::Find<QPushButton>(&setup, "Command1")->text(), "Start experiment");
    UserClick(&setup, "Command1");
    ASSERT_TRUE(WaitUntil([&] { return setup.ExperimentWindow() != nullptr; }));
    Form2* experiment = setup.ExperimentWindow();
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
