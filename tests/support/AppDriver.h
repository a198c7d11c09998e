#pragma once

// What the tests, the tools and the benchmarks share to drive the real program: starting the offscreen
// application and an experiment, a settings file of their own, clicking controls by name, waiting on the
// event loop, answering message boxes, saving grabs of windows, and measuring the event loop's pace,
// processor time and resident memory.
#include "AppStyle.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Language.h"
#include "MeasurementsController.h"
#include "MeasurementsWindow.h"
#include "PictureBox.h"
#include "ProgramWindows.h"
#include "Settings.h"
#include "StateLayout.h"
#include "Units.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace orvane::driver {

// The Qt platform is the offscreen one unless the environment names another: no display is needed.
inline void UseOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The application as the program starts it, on the offscreen platform unless another is named.
class OffscreenApplication {
  public:
    OffscreenApplication(int& argc, char** argv) : app_((UseOffscreenPlatform(), argc), argv) {
        ui::ApplyAppStyle(app_);
        // As the program starts: its language's translations (Qt's own, and the Russian plural forms).
        ui::ApplyLanguage(ui::Language::Russian);
    }

  private:
    QApplication app_;
};

// Clicks the button of that name in the window; false when there is none.
inline bool Click(QWidget* window, const QString& name) {
    auto* button = window->findChild<QAbstractButton*>(name);
    if (button == nullptr) return false;
    button->click();
    return true;
}

inline bool Click(QWidget* window, const char* name) {
    return Click(window, QString::fromLatin1(name));
}

// The program as it starts, its windows wired as main wires them: its state, the composition, and the
// set-up window on the screen. A test builds a fresh one for each case; the settings file is the
// suite's own (OwnSettingsFile), shared by the programs a case starts one after another, as a user's is.
struct Program {
    SimState state;
    ProgramWindows windows{state};
    Form1& setup = windows.Setup();
    Program() { setup.show(); }
};

// "Старт" in the set-up window: the experiment window it opened, null when it opened none.
inline Form2* StartExperiment(ProgramWindows& windows) {
    Click(&windows.Setup(), "Command1");
    return windows.ExperimentWindow();
}

// The folder a tool writes its pictures to: the first argument, "docs" without one; made if missing.
inline QString OutputFolder(int argc, char** argv) {
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);
    return folder;
}

// Lets what is pending be drawn, then saves the window as it looks to "<folder>/<name>.png".
inline bool SaveGrab(QWidget* window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    return window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The program's settings in a file of a temporary folder of the caller's own, never the user's: the
// options a suite, tool or benchmark turns on are not remembered for the user.
class OwnSettingsFile {
  public:
    OwnSettingsFile() { ui::UseSettingsFile(folder_.filePath(QStringLiteral("orvane.ini"))); }

  private:
    QTemporaryDir folder_;
};

// The experiment window's measurements, and the window "Измерения" opens.
inline measure::MeasurementsController* MeasurementsOf(Form2* experiment) {
    return experiment->findChild<measure::MeasurementsController*>();
}

inline measure::MeasurementsWindow* OpenMeasurements(Form2* experiment) {
    experiment->MeasureAction->trigger();
    return MeasurementsOf(experiment)->Window();
}

// Closes the experiment and help windows the set-up window opened and lets Qt delete them.
inline void CloseOpenedWindows(ProgramWindows& windows) {
    if (Form2* experiment = windows.ExperimentWindow()) experiment->close();
    if (Form3* help = windows.HelpWindow()) help->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// How many MessageCatchers are alive. While one is, the test suite's watch for unexpected boxes leaves
// message boxes to it.
inline int& LiveMessageCatchers() {
    static int count = 0;
    return count;
}

// Answers every modal message box that opens while it lives: remembers its title and text and
// presses OK, as a user would.
class MessageCatcher {
  public:
    explicit MessageCatcher(int intervalMs = 5) {
        ++LiveMessageCatchers();
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                titles.push_back(box->windowTitle());
                texts.push_back(box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start();
    }
    ~MessageCatcher() { --LiveMessageCatchers(); }
    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;
    QStringList titles;
    QStringList texts;

  private:
    QTimer timer_;
};

// Lets the event loop run for a while, delivering timer events as they fall due (QTest::qWait sleeps
// in steps of 10 ms between them).
inline void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Lets the event loop run until the condition holds or the time is up; tells whether it holds. Timer
// rates differ from machine to machine (and under the sanitizers): only the limit is generous.
template <typename Condition>
bool WaitUntil(Condition condition, int limitMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < limitMs)
        Wait(2);
    return condition();
}

// The process's own processor time so far, user and system, in seconds.
inline double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Processor time over wall time while the event loop runs for the given time, in percent of one core.
inline double CpuPercentWhileRunning(int ms) {
    QElapsedTimer wall;
    const double before = ProcessCpuSeconds();
    wall.start();
    Wait(ms);
    return 100.0 * (ProcessCpuSeconds() - before) / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
}

// What a bare precise 1 ms Qt timer manages in this process: the pace the experiment's own timer is
// measured against.
struct TimerPace {
    int events = 0;
    double cpuPercent = 0; // of one core
};

inline TimerPace BareTimerPace(int ms) {
    TimerPace pace;
    QTimer bare;
    bare.setTimerType(Qt::PreciseTimer);
    QObject::connect(&bare, &QTimer::timeout, [&pace] { ++pace.events; });
    bare.start(1);
    pace.cpuPercent = CpuPercentWhileRunning(ms);
    bare.stop();
    return pace;
}

// Counts the paint events of the widgets it is installed on: how often a screen is presented.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The process's resident memory in MiB.
inline double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A measuring tape laid by a drag on the left screen, as a user lays it, from one body's point to
// another's: it then follows the bodies as the run goes («Рулетка» must be on and the run begun).
inline void LayTape(Form2& experiment, int fromBody, int toBody) {
    ui::PictureBox* screen = experiment.Picture1;
    const SimState& run = experiment.Run();
    const int n = run.BodyCount;
    const double unit = experiment.Shared().LengthUnit;
    const auto at = [&](int body) {
        const QPointF p = screen->ToPixel(ToMillionKm(run.StateVec(state::X(body, n)), unit),
                                          ToMillionKm(run.StateVec(state::Y(body, n)), unit));
        return p + QPointF(screen->DrawingRect().topLeft()) + QPointF(0.5, 0.5);
    };
    const auto send = [&](QEvent::Type type, QPointF where, Qt::MouseButtons buttons) {
        QMouseEvent event(type, where, screen->mapToGlobal(where), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(screen, &event);
    };
    send(QEvent::MouseButtonPress, at(fromBody), Qt::LeftButton);
    send(QEvent::MouseMove, at(toBody), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at(toBody), Qt::NoButton);
}

} // namespace orvane::driver
