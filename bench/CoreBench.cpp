// Cost of the simulation core's inner work: one derivative evaluation, one Runge–Kutta step, and one
// step of each method of solving through the integrator interface, as the experiment makes it.
#include "Bodies.h"
#include "Integrator.h"
#include "SimState.h"
#include "StateLayout.h"

#include <benchmark/benchmark.h>

#include <string>

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

// One 44-component step of the default data by each method, the method kept from step to step as a run
// keeps it (the leapfrog method then evaluates the forces once a step).
void BM_MethodStep44(benchmark::State& state) {
    const auto& facts = orvane::SolverMethods[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(facts.key));
    const orvane::SimState start = PackedDefault();
    orvane::SimState s = start;
    const auto integrator = facts.make();
    double time = 0;
    int steps = 0;
    for (auto _ : state) {
        // Back to the start every 20 years of steps, before a first-order method has flung Mercury far
        // enough to change what a step costs (the leapfrog method evaluates once more after each reset).
        if (++steps == 3650) {
            s = start;
            steps = 0;
        }
        integrator->Step(s, time, s.Options.TimeStep, s.StateDim, &orvane::SimState::NBodyDerivatives);
        benchmark::DoNotOptimize(s.StateVec(s.StateDim));
    }
}
BENCHMARK(BM_MethodStep44)->DenseRange(0, static_cast<int>(orvane::SolverMethods.size()) - 1);

} // namespace

BENCHMARK_MAIN();
