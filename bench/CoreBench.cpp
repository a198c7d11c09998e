// Cost of the simulation core's inner work: one derivative evaluation and one Runge–Kutta step.
#include "Bodies.h"
#include "SimState.h"
#include "StateLayout.h"

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
        benchmark::DoNotOptimize(s.DerivVec(s.StateDim));
    }
}
BENCHMARK(BM_NBodyDerivatives);

void BM_RungeKuttaStep44(benchmark::State& state) {
    orvane::SimState s = PackedDefault();
    for (auto _ : state) {
        s.RungeKuttaStep(s.StateDim, &orvane::SimState::NBodyDerivatives);
        benchmark::DoNotOptimize(s.StateVec(s.StateDim));
    }
}
BENCHMARK(BM_RungeKuttaStep44);

void BM_OrbitStep4(benchmark::State& state) {
    orvane::SimState s = PackedDefault();
    s.LoopI = orvane::body::Earth;
    // The Earth's values in the orbit run's places, those of the one body it moves.
    using namespace orvane;
    constexpr int earth = body::Earth, n = body::Count;
    s.StateVec(state::X(1, 1)) = s.StateVec(state::X(earth, n));
    s.StateVec(state::Y(1, 1)) = s.StateVec(state::Y(earth, n));
    s.StateVec(state::Vx(1, 1)) = s.StateVec(state::Vx(earth, n));
    s.StateVec(state::Vy(1, 1)) = s.StateVec(state::Vy(earth, n));
    for (auto _ : state) {
        s.RungeKuttaStep(4, &orvane::SimState::OrbitDerivatives);
        benchmark::DoNotOptimize(s.StateVec(orvane::state::Vy(1, 1)));
    }
}
BENCHMARK(BM_OrbitStep4);

} // namespace

BENCHMARK_MAIN();
