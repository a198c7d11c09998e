// Cost of one whole experiment tick: the step and all its drawing on both screens, under the
// offscreen platform.
#include "AppDriver.h"
#include "Form1.h"
#include "Form2.h"
#include "SimState.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_ExperimentTick(benchmark::State& state) {
    orvane::driver::Program program;
    orvane::Form2* experiment = orvane::driver::StartExperiment(program.windows);
    experiment->Command4_Click(); // paused: only the benchmark's own ticks run
    int ticks = 0;
    for (auto _ : state) {
        experiment->Command1_Click();
        if (++ticks % 1000 == 0) QApplication::processEvents(); // let the screens present now and then
    }
    experiment->close();
}
BENCHMARK(BM_ExperimentTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    orvane::driver::OffscreenApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
