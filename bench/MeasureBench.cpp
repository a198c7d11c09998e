// What the measurements cost: recording one tick of a run, refreshing the window with a full history,
// and writing that history as CSV text.
#include "AppDriver.h"
#include "CsvWords.h"
#include "HistoryCsv.h"
#include "MeasureRecorder.h"
#include "MeasurementsWindow.h"
#include "SimState.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace orvane;
using namespace orvane::measure;

// Moments of a run of the default data, stepped by the program's own integrator.
std::vector<RunSnapshot> DefaultRun(int steps) {
    SimState s;
    s.AssignStartupValues();
    s.PackState();
    s.Options.SunHeld = SunMode::Held;
    s.Options.TimeStep = 172800;
    std::vector<RunSnapshot> moments;
    for (int k = 0; k < steps; ++k) {
        s.RungeKuttaStep(s.StateDim, &SimState::NBodyDerivatives);
        s.SimTime += s.Options.TimeStep;
        moments.push_back(SnapshotOf(s));
    }
    return moments;
}

// One tick's recording: the snapshot of the run and everything the recorder does with it, thinning of a
// full history included (a run of 200 000 ticks through a history of 10 000 samples).
void RecordTick(benchmark::State& state) {
    const std::vector<RunSnapshot> moments = DefaultRun(2000);
    SimState run;
    run.AssignStartupValues();
    run.PackState();
    MeasureRecorder recorder;
    recorder.Start(SnapshotOf(run));
    std::size_t k = 0;
    double time = 0;
    for (auto _ : state) {
        RunSnapshot moment = moments[k];
        time += 172800;
        moment.time = time;
        recorder.Record(moment);
        benchmark::DoNotOptimize(recorder.Revision());
        if (++k == moments.size()) k = 0;
    }
}
BENCHMARK(RecordTick)->Iterations(200000);

// The snapshot the recorder reads from the experiment's state.
void SnapshotOfRun(benchmark::State& state) {
    SimState run;
    run.AssignStartupValues();
    run.PackState();
    for (auto _ : state)
        benchmark::DoNotOptimize(SnapshotOf(run));
}
BENCHMARK(SnapshotOfRun);

MeasureRecorder FullRecorder() {
    MeasureRecorder recorder;
    const std::vector<RunSnapshot> moments = DefaultRun(20000);
    recorder.Start(moments.front());
    for (const RunSnapshot& moment : moments)
        recorder.Record(moment);
    return recorder;
}

// One refresh of the open window with a full history after a new step: every number of the table and
// of the conservation laws changes, and both plots are painted.
void WindowRefresh(benchmark::State& state) {
    MeasureRecorder recorder = FullRecorder();
    const std::vector<RunSnapshot> moments = DefaultRun(400);
    MeasurementsWindow window(recorder);
    window.show();
    QApplication::processEvents();
    std::size_t k = 0;
    double time = recorder.Latest().time;
    for (auto _ : state) {
        RunSnapshot moment = moments[k];
        time += 172800;
        moment.time = time;
        recorder.Record(moment);
        window.Refresh();
        window.repaint();
        if (++k == moments.size()) k = 0;
    }
}
BENCHMARK(WindowRefresh)->Unit(benchmark::kMillisecond);

void CsvText(benchmark::State& state) {
    const MeasureRecorder recorder = FullRecorder();
    const CsvWords words = CsvWordsFor(recorder.Latest());
    for (auto _ : state)
        benchmark::DoNotOptimize(HistoryCsv(recorder.History(), recorder.Latest(), words, {true}));
}
BENCHMARK(CsvText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
