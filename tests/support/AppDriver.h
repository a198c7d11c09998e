#pragma once

// What the tests, the tools and the benchmarks share to drive the real program: starting the offscreen
// application, clicking controls by name, answering message boxes and reading resident memory.
#include "AppStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QStringList>
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

// Lets the event loop run for a while, delivering timer events as they fall due.
inline void RunEventLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
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

} // namespace orvane::driver
