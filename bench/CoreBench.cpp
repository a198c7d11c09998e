// Cost of the simulation core's inner work: one derivative evaluation and one Runge–Kutta step.
#include "SimState.h"

#include <benchmark/benchmark.h>

namespace {

orvane::SimState PackedDefault() {
    orvane::SimState s;
    s.AssignStartupValues();
    s.PackState();
    s.Options.SunHeld = orvane::SunMode::Held;
    return s;
}

void BM_NBodyDerivatives(benchmark::State& state) {
    orvane::SimState s = PackedDefault();
    for (auto _ : state) {
        s.NBodyDerivatives();
        benchmark::DoNotOptimize(s.DerivVec(44));
    }
}
BENCHMARK(BM_NBodyDerivatives);

void BM_RungeKuttaStep44(benchmark::State& state) {
    orvane::SimState s = PackedDefault();
    for (auto _ : state) {
        s.RungeKuttaStep(44, &orvane::SimState::NBodyDerivatives);
        benchmark::DoNotOptimize(s.StateVec(44));
    }
}
BENCHMARK(BM_RungeKuttaStep44);

void BM_OrbitStep4(benchmark::State& state) {
    orvane::SimState s = PackedDefault();
    s.LoopI = 4;
    for (int k = 1; k <= 4; ++k)
        s.StateVec(k) = s.StateVec(k == 1 ? 4 : k == 2 ? 15 : k == 3 ? 26 : 37);
    for (auto _ : state) {
        s.RungeKuttaStep(4, &orvane::SimState::OrbitDerivatives);
        benchmark::DoNotOptimize(s.StateVec(4));
    }
}
BENCHMARK(BM_OrbitStep4);

} // namespace

BENCHMARK_MAIN();
