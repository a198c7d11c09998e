#pragma once

// What the fit tests share, under the offscreen platform and under a window manager: the program's
// windows open at once, and whether a window with its frame lies on its screen's free area.
#include "AppDriver.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QString>

namespace orvane::driver {

// The program with its four windows open, as a user opens them: the set-up window, the experiment
// window paused after one step, its measurements and the help; the experiment and help windows close
// again at the end.
struct EveryWindowOpen {
    Program program;
    QPointer<Form2> experiment = StartExperiment(program.windows);
    measure::MeasurementsWindow* measurements = nullptr;
    QPointer<Form3> help;

    EveryWindowOpen() {
        if (experiment == nullptr) return;
        Click(experiment, "Command4");
        Click(experiment, "Command1");
        measurements = OpenMeasurements(experiment);
        Click(&program.setup, "Command8");
        help = program.windows.HelpWindow();
    }
    ~EveryWindowOpen() {
        if (experiment != nullptr) experiment->close();
        if (help != nullptr) help->close();
    }
    EveryWindowOpen(const EveryWindowOpen&) = delete;
    EveryWindowOpen& operator=(const EveryWindowOpen&) = delete;

    // Every window that opened; all four when Opened().
    bool Opened() const { return experiment != nullptr && measurements != nullptr && help != nullptr; }
    QList<QWidget*> Windows() const { return {&program.setup, experiment.data(), measurements, help.data()}; }
};

// The free area of the window's screen, widened by `slack` logical pixels at each edge.
inline QRect FreeArea(const QWidget* window, int slack = 0) {
    return window->screen()->availableGeometry().adjusted(-slack, -slack, slack, slack);
}

// Empty when the window, its frame included, lies wholly on FreeArea(window, slack); else where it lies
// and how large the area is, for a failure to show.
inline QString OffTheFreeArea(const QWidget* window, int slack = 0) {
    const QRect area = FreeArea(window, slack);
    const QRect frame = window->frameGeometry();
    if (area.contains(frame)) return {};
    return QStringLiteral("%1: %2,%3 %4×%5 on %6×%7")
        .arg(window->objectName())
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(area.width())
        .arg(area.height());
}

} // namespace orvane::driver
