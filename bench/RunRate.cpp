// How the running experiment keeps pace with the timer at a slow-down of 1 ms, how fast a click on
// "Пауза" takes effect, how often the screens are presented, and whether memory stays flat.
//   run_rate [seconds per measurement] [ticks for the memory check] [--options] [--method KEY]
// --method solves the run with another method than Runge–Kutta (euler, symplectic-euler, leapfrog).
// With --options the run at 1 ms is measured twice in the same process, first with every option of the
// experiment screens off, then with all four on (names, kept trails, keys, large points), then with
// those and every law drawn over the screens (arrows, orbit, equal areas, grid, and a tape laid by a drag
// from the Sun to the Earth, which then follows the Earth).
// --profile all|four|bare runs only that configuration for the given seconds, with no pause, idle or
// memory measurement after it: a short run to give to callgrind.
#include "AppDriver.h"
#include "Form1.h"
#include "Form2.h"
#include "PictureBox.h"
#include "ScreenLawsController.h"
#include "ScreenOptionsController.h"
#include "SimState.h"
#include "VbTimer.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// A tape from the Sun to the Earth, laid on a running experiment: it then follows the Earth.
void LayTape(orvane::Form2& experiment) {
    orvane::driver::Wait(50);
    orvane::driver::LayTape(experiment, orvane::body::Sun, orvane::body::Earth);
}

} // namespace

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc, argv);
    bool withOptions = false;
    for (int k = 1; k < argc; ++k)
        if (std::strcmp(argv[k], "--options") == 0) {
            withOptions = true;
            for (int j = k; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            break;
        }
    QString profile;
    for (int k = 1; k + 1 < argc; ++k)
        if (std::strcmp(argv[k], "--profile") == 0) {
            profile = QString::fromLatin1(argv[k + 1]);
            withOptions = profile != QLatin1String("bare");
            for (int j = k; j + 2 < argc; ++j)
                argv[j] = argv[j + 2];
            argc -= 2;
            break;
        }
    std::optional<orvane::SolverMethod> method;
    for (int k = 1; k + 1 < argc; ++k)
        if (std::strcmp(argv[k], "--method") == 0) {
            method = orvane::SolverMethodFromKey(argv[k + 1]);
            if (!method) {
                std::fprintf(stderr, "unknown method %s\n", argv[k + 1]);
                return 2;
            }
            for (int j = k; j + 2 < argc; ++j)
                argv[j] = argv[j + 2];
            argc -= 2;
            break;
        }
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 3;
    const int memoryTicks = argc > 2 ? std::atoi(argv[2]) : 100000;
    // The options the measurement turns on are not the user's.
    const orvane::driver::OwnSettingsFile settings;

    // A bare precise 1 ms Qt timer in the same process.
    const orvane::driver::TimerPace bare =
        profile.isEmpty() ? orvane::driver::BareTimerPace(seconds * 1000) : orvane::driver::TimerPace{};
    const int bareEvents = bare.events;
    const double bareCpu = bare.cpuPercent;

    orvane::driver::Program program;
    if (method) program.state.Options.Method = *method;
    orvane::Form2* experiment = orvane::driver::StartExperiment(program.windows);
    orvane::driver::PaintCounter counter;
    experiment->Picture1->installEventFilter(&counter);
    orvane::driver::Click(experiment, "Command1");
    auto* options = experiment->findChild<orvane::ScreenOptionsController*>();
    auto* laws = experiment->findChild<orvane::ScreenLawsController*>();
    orvane::laws::LawsChoice all;
    all.velocity = all.force = all.orbit = all.areas = all.grid = true;
    if (!profile.isEmpty()) {
        if (withOptions) options->SetOptions({true, true, true, true});
        if (profile == QLatin1String("all")) {
            laws->SetChoice(all, true);
            LayTape(*experiment);
        }
        const double before = experiment->Run().SimTime;
        const double cpu = orvane::driver::CpuPercentWhileRunning(seconds * 1000);
        const double ran = (experiment->Run().SimTime - before) / program.state.Options.TimeStep;
        std::printf("%s: %.0f ticks, %d presentations, process CPU %.1f %% of a core, tape %s\n",
                    qPrintable(profile), ran, counter.paints, cpu, laws->TapeNow() ? "laid" : "none");
        experiment->close();
        return 0;
    }
    const double startTime = experiment->Run().SimTime;
    const double runCpu = orvane::driver::CpuPercentWhileRunning(seconds * 1000);
    const double ticks = (experiment->Run().SimTime - startTime) / program.state.Options.TimeStep;
    const int paints = counter.paints;

    // The same run with every option on, measured right after, in the same process; then every option
    // and every law over the screens at once, a tape laid by a drag among them.
    struct Pace {
        double ticks = 0, cpu = 0;
        int paints = 0;
    };
    const auto measured = [&] {
        Pace pace;
        const double before = experiment->Run().SimTime;
        const int paintsBefore = counter.paints;
        pace.cpu = orvane::driver::CpuPercentWhileRunning(seconds * 1000);
        pace.ticks = (experiment->Run().SimTime - before) / program.state.Options.TimeStep;
        pace.paints = counter.paints - paintsBefore;
        return pace;
    };
    Pace withFour, withLaws;
    if (withOptions) {
        options->SetOptions({true, true, true, true});
        withFour = measured();
        laws->SetChoice(all, true);
        LayTape(*experiment);
        if (!laws->TapeNow()) std::fprintf(stderr, "the tape was not laid\n");
        withLaws = measured();
        options->SetOptions({});
        laws->SetChoice({}, false);
    }
    const double optionsTicks = withFour.ticks, optionsCpu = withFour.cpu;
    const int optionsPaints = withFour.paints;
    const double lawsTicks = withLaws.ticks, lawsCpu = withLaws.cpu;
    const int lawsPaints = withLaws.paints;

    // A click on "Пауза" while running: from the press to the timer's stop.
    auto* pause = experiment->findChild<QAbstractButton*>(QStringLiteral("Command4"));
    const QPoint centre = pause->rect().center();
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::postEvent(pause,
                                new QMouseEvent(QEvent::MouseButtonPress, centre, pause->mapToGlobal(centre),
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(pause, new QMouseEvent(QEvent::MouseButtonRelease, centre,
                                                       pause->mapToGlobal(centre), Qt::LeftButton,
                                                       Qt::NoButton, Qt::NoModifier));
    while (experiment->Timer1->Enabled())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    const double clickMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    // Paused and left alone, the program should not use the processor at all (once the last points
    // have been presented).
    orvane::driver::Wait(100);
    const int paintsBeforeIdle = counter.paints;
    const double idleCpu = orvane::driver::CpuPercentWhileRunning(seconds * 1000);
    const int idlePaints = counter.paints - paintsBeforeIdle;

    // Memory after 1 000 and after many ticks.
    for (int k = 0; k < 1000; ++k)
        experiment->Command1_Click();
    QCoreApplication::processEvents();
    const double rss1000 = orvane::driver::ResidentMiB();
    for (int k = 1000; k < memoryTicks; ++k) {
        experiment->Command1_Click();
        if (k % 1000 == 0) QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    const double rssMany = orvane::driver::ResidentMiB();

    std::printf("platform:               %s, %d s per measurement\n",
                qPrintable(QGuiApplication::platformName()), seconds);
    std::printf("bare 1 ms timer:        %.0f events/s, process CPU %.1f %% of a core\n",
                bareEvents / static_cast<double>(seconds), bareCpu);
    std::printf(
        "experiment at 1 ms:     %.0f ticks/s (%.1f %% of the bare timer), process CPU %.1f %% of a core\n",
        ticks / seconds, 100.0 * ticks / bareEvents, runCpu);
    if (withOptions)
        std::printf(
            "  all four options on:  %.0f ticks/s (%.1f %% of the bare timer), process CPU %.1f %% of a "
            "core (%+.1f points), screen presented %.1f times/s\n",
            optionsTicks / seconds, 100.0 * optionsTicks / bareEvents, optionsCpu, optionsCpu - runCpu,
            optionsPaints / static_cast<double>(seconds));
    if (withOptions)
        std::printf(
            "  and every law on too: %.0f ticks/s (%.1f %% of the bare timer), process CPU %.1f %% of a "
            "core (%+.1f points), screen presented %.1f times/s\n",
            lawsTicks / seconds, 100.0 * lawsTicks / bareEvents, lawsCpu, lawsCpu - runCpu,
            lawsPaints / static_cast<double>(seconds));
    std::printf("screen presented:       %.1f times/s\n", paints / static_cast<double>(seconds));
    std::printf("paused and idle:        process CPU %.1f %% of a core, %d presentations\n", idleCpu,
                idlePaints);
    std::printf("click on Pause to stop: %.3f ms\n", clickMs);
    std::printf("resident memory:        %.1f MiB after 1000 ticks, %.1f MiB after %d (%+.2f MiB)\n", rss1000,
                rssMany, memoryTicks, rssMany - rss1000);
    experiment->close();
    return 0;
}
