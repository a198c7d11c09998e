// How long a pan takes in the experiment window when the trails of a run of 1 000 000 ticks are kept and
// drawn again at the new view (the store has thinned the older part to stay within its budget), with
// ordinary and with large points; and the cost of recording one tick and of naming the bodies.
#include "AppDriver.h"
#include "BodyLabels.h"
#include "Form1.h"
#include "Form2.h"
#include "KeptTrails.h"
#include "PictureBox.h"
#include "ScreenOptionsController.h"
#include "SimState.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int HistoryTicks = 1'000'000;

// The path of a million ticks of the default run, made once: the core's steps without drawing.
const orvane::TrailStore& MillionTickHistory() {
    static const orvane::TrailStore history = [] {
        orvane::SimState shared;
        shared.AssignStartupValues();
        shared.PackState();
        orvane::SimState run = shared;
        run.Options.SunHeld = orvane::SunMode::Held;
        orvane::TrailStore store;
        for (int k = 0; k < HistoryTicks; ++k) {
            orvane::AdvanceExperiment(run, shared);
            store.Record(orvane::TrailSample(run));
        }
        std::fprintf(stderr, "history: %llu ticks held in %zu samples (older part every %llu-th), %.1f MB\n",
                     static_cast<unsigned long long>(store.Ticks()), store.Size(),
                     static_cast<unsigned long long>(store.Stride()), store.MemoryBytes() / 1e6);
        return store;
    }();
    return history;
}

// A pan left and back right, each wiping both screens, drawing the kept trails again and making its step.
void PanWithMillionTickHistory(benchmark::State& state, bool largeMarks) {
    const orvane::TrailStore& history = MillionTickHistory();
    orvane::driver::Program program;
    orvane::Form2* experiment = orvane::driver::StartExperiment(program.windows);
    auto* options = experiment->findChild<orvane::ScreenOptionsController*>();
    options->SetOptions({.keepTrails = true, .largeMarks = largeMarks});
    experiment->Command4_Click();
    experiment->Command1_Click();
    history.ForEachRun([&](const orvane::TrailStore::Sample* first, std::size_t count) {
        for (std::size_t k = 0; k < count; ++k)
            options->Trails().Record(first[k]);
    });
    bool left = true;
    for (auto _ : state) {
        if (left)
            experiment->Command2_Click();
        else
            experiment->Command8_Click();
        left = !left;
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["samples"] = static_cast<double>(options->Trails().Size());
    experiment->close();
}

void BM_PanRedrawMillionTicks(benchmark::State& state) {
    PanWithMillionTickHistory(state, false);
}
BENCHMARK(BM_PanRedrawMillionTicks)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_PanRedrawMillionTicksLargePoints(benchmark::State& state) {
    PanWithMillionTickHistory(state, true);
}
BENCHMARK(BM_PanRedrawMillionTicksLargePoints)->Unit(benchmark::kMillisecond)->Iterations(20);

// One whole tick with all four options on (names placed on both screens, the tick recorded).
void BM_TickAllOptions(benchmark::State& state) {
    orvane::driver::Program program;
    orvane::Form2* experiment = orvane::driver::StartExperiment(program.windows);
    experiment->findChild<orvane::ScreenOptionsController*>()->SetOptions({true, true, true, true});
    experiment->Command4_Click();
    int ticks = 0;
    for (auto _ : state) {
        experiment->Command1_Click();
        if (++ticks % 1000 == 0) QApplication::processEvents();
    }
    experiment->close();
}
BENCHMARK(BM_TickAllOptions)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    orvane::driver::OffscreenApplication app(argc, argv);
    // The options turned on here are not the user's.
    const orvane::driver::OwnSettingsFile settings;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
