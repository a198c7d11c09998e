#pragma once

// What the tests, the tools and the benchmarks share to drive the real program: starting the offscreen
// application, clicking controls by name, answering message boxes and reading resident memory.
#include "AppStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <fstream>
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

// The process's resident memory in MiB.
inline double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

} // namespace orvane::driver
