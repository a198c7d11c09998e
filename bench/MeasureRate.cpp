// How the measurements window affects a run at a slow-down of 1 ms: ticks per second and the process's
// CPU share without and with the window open, how often the window refreshes, and whether memory stays
// flat with the window open for a long run.
//   measure_rate [seconds per measurement] [ticks for the memory check]
#include "AppDriver.h"
#include "Form1.h"
#include "Form2.h"
#include "MeasurePlots.h"
#include "MeasurementsWindow.h"
#include "SimState.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

struct Rate {
    double ticksPerSecond = 0;
    double cpuPercent = 0;
};

Rate Measure(orvane::Form2* experiment, double timeStep, int seconds) {
    const double startTime = experiment->Run().SimTime;
    const double cpu = orvane::driver::ProcessCpuSeconds();
    orvane::driver::Wait(seconds * 1000);
    return {(experiment->Run().SimTime - startTime) / timeStep / seconds,
            100.0 * (orvane::driver::ProcessCpuSeconds() - cpu) / seconds};
}

} // namespace

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    const int memoryTicks = argc > 2 ? std::atoi(argv[2]) : 1000000;

    const int bareEvents = orvane::driver::BareTimerPace(seconds * 1000).events;

    orvane::driver::Program program;
    orvane::Form2* experiment = orvane::driver::StartExperiment(program.windows);
    orvane::driver::Click(experiment, "Command1");
    const Rate without = Measure(experiment, program.state.Options.TimeStep, seconds);

    auto* window = orvane::driver::OpenMeasurements(experiment);
    orvane::driver::PaintCounter counter;
    window->findChild<orvane::measure::HistoryPlot*>(QStringLiteral("EnergyPlot"))
        ->installEventFilter(&counter);
    const Rate with = Measure(experiment, program.state.Options.TimeStep, seconds);
    const int refreshes = counter.paints;

    // Memory with the window open: after 10 000 ticks and after many.
    orvane::driver::Click(experiment, "Command4");
    const auto tick = [&](int from, int to) {
        for (int k = from; k < to; ++k) {
            experiment->Command1_Click();
            if (k % 1000 == 0) QCoreApplication::processEvents();
        }
        orvane::driver::Wait(250); // the last refresh
    };
    tick(0, 10000);
    const double rssTenThousand = orvane::driver::ResidentMiB();
    tick(10000, memoryTicks);
    const double rssMany = orvane::driver::ResidentMiB();

    std::printf("bare 1 ms timer:            %.0f events/s\n", bareEvents / static_cast<double>(seconds));
    std::printf("run without the window:     %.0f ticks/s (%.1f %% of the bare timer), CPU %.1f %%\n",
                without.ticksPerSecond, 100.0 * without.ticksPerSecond * seconds / bareEvents,
                without.cpuPercent);
    std::printf("run with the window open:   %.0f ticks/s (%.1f %% of the bare timer), CPU %.1f %% (%+.1f)\n",
                with.ticksPerSecond, 100.0 * with.ticksPerSecond * seconds / bareEvents, with.cpuPercent,
                with.cpuPercent - without.cpuPercent);
    std::printf("window refreshed:           %.1f times/s\n", refreshes / static_cast<double>(seconds));
    std::printf("resident memory, window open: %.1f MiB after 10000 ticks, %.1f MiB after %d (%+.2f MiB)\n",
                rssTenThousand, rssMany, memoryTicks, rssMany - rssTenThousand);
    experiment->close();
    return 0;
}
