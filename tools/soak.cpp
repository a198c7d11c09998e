// A long run of the whole program under the offscreen platform: an experiment at a slow-down of 1 ms,
// panned, zoomed, paused and continued, written back, while a planet runs along its orbit in the set-up
// window and the parameter file is saved and loaded now and then. At the end: no run-time error was
// shown, every state is finite, and resident memory stayed flat.
//   orvane_soak [--ticks N] [--minutes M]
#include "AppDriver.h"
#include "Bodies.h"
#include "Form1.h"
#include "Form2.h"
#include "ProgramWindows.h"
#include "SimState.h"
#include "VbSlider.h"
#include "VbTimer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using orvane::driver::Click;

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc, argv);
    long targetTicks = 20000;
    double minutes = 0;
    for (int k = 1; k + 1 < argc; k += 2) {
        if (std::strcmp(argv[k], "--ticks") == 0) targetTicks = std::atol(argv[k + 1]);
        if (std::strcmp(argv[k], "--minutes") == 0) minutes = std::atof(argv[k + 1]);
    }

    QTemporaryDir dir;
    orvane::SimState state;
    orvane::ProgramWindows windows(state);
    orvane::Form1& setup = windows.Setup();
    setup.SetParameterFilePath(dir.filePath(QStringLiteral("orvane1.dat")));
    setup.show();

    orvane::driver::MessageCatcher watchdog(
        20); // any message box is a failure of the run: note it and answer it
    const QStringList& errors = watchdog.texts;

    orvane::Form2* experiment = orvane::driver::StartExperiment(windows);
    long ticks = 0;
    QObject::connect(experiment->Timer1, &orvane::ui::VbTimer::Timer, [&ticks] { ++ticks; });
    Click(experiment, "Command1");
    const auto startOrbit = [&setup] {
        Click(&setup, "Option3");
        Click(&setup, "Command6");
    };
    startOrbit();

    const std::vector<std::function<void()>> actions{
        [&] { Click(experiment, "Command2"); },
        [&] { experiment->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub); },
        [&] { Click(experiment, "Command3"); },
        [&] { Click(experiment, "Command4"); },
        [&] { Click(experiment, "Command5"); },
        [&] { Click(experiment, "Command8"); },
        [&] { Click(experiment, "Command9"); },
        [&] { experiment->Slider2->triggerAction(QAbstractSlider::SliderPageStepAdd); },
        [&] { Click(&setup, "Command4"); },
        [&] { Click(experiment, "Command7"); },
        [&] { Click(&setup, "Command7"); },
        [&] {
            Click(&setup, "Command3"); // loading stops the orbit run: start it again
            startOrbit();
        },
    };
    std::size_t next = 0;
    QTimer actor;
    QObject::connect(&actor, &QTimer::timeout, [&] { actions[next++ % actions.size()](); });
    actor.start(150);

    QElapsedTimer clock;
    clock.start();
    double rssEarly = 0;
    QTimer progress;
    QObject::connect(&progress, &QTimer::timeout, [&] {
        if (rssEarly == 0 && ticks >= 2000) rssEarly = orvane::driver::ResidentMiB();
        const bool done = minutes > 0 ? clock.elapsed() >= minutes * 60000 : ticks >= targetTicks;
        if (done || !errors.isEmpty()) QApplication::quit();
    });
    progress.start(100);
    QApplication::exec();
    const double rssEnd = orvane::driver::ResidentMiB();

    bool finite = true;
    for (int k = 1; k <= experiment->Run().StateDim; ++k)
        finite = finite && std::isfinite(experiment->Run().StateVec(k));
    for (int i = 1; i <= orvane::body::Count; ++i)
        finite = finite && std::isfinite(state.BodyX(i)) && std::isfinite(state.BodyY(i)) &&
                 std::isfinite(state.BodyVx(i)) && std::isfinite(state.BodyVy(i));
    const bool flat = rssEarly > 0 && rssEnd - rssEarly <= 2.0;

    std::printf("soak: %ld timer ticks and %zu actions in %.1f s (%.0f ticks/s)\n", ticks, next,
                clock.elapsed() / 1000.0, ticks / (clock.elapsed() / 1000.0));
    std::printf("soak: resident memory %.1f MiB after 2000 ticks, %.1f MiB at the end (%+.2f MiB)\n",
                rssEarly, rssEnd, rssEnd - rssEarly);
    std::printf("soak: run-time errors shown: %lld; every state finite: %s\n",
                static_cast<long long>(errors.size()), finite ? "yes" : "no");
    for (const QString& error : errors)
        std::printf("soak: error: %s\n", qPrintable(error));
    const bool ok = errors.isEmpty() && finite && flat;
    std::printf("soak: %s\n", ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
