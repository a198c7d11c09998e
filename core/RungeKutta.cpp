#include "FloatingPoint.h"
#include "SimState.h"

namespace orvane {

void SimState::RungeKuttaStep(Integer n, const Derivative& derivative) {
    RungeKuttaStep(n, derivative, Options.TimeStep);
}

void SimState::RungeKuttaStep(Integer n, const Derivative& derivative, double h) {
    for (LoopK = 1; LoopK <= n; LoopK = Add16(LoopK, 1))
        StepStart(LoopK) = StateVec(LoopK);

    try {
        ClearFloatingPointStatus();
        derivative(*this);
        for (LoopK = 1; LoopK <= n; LoopK = Add16(LoopK, 1)) {
            RkK1(LoopK) = h * DerivVec(LoopK);
            StateVec(LoopK) = StepStart(LoopK) + RkK1(LoopK) / 2;
        }
        CheckFloatingPointStatus();
        derivative(*this);
        for (LoopK = 1; LoopK <= n; LoopK = Add16(LoopK, 1)) {
            RkK2(LoopK) = h * DerivVec(LoopK);
            StateVec(LoopK) = StepStart(LoopK) + RkK2(LoopK) / 2;
        }
        CheckFloatingPointStatus();
        derivative(*this);
        for (LoopK = 1; LoopK <= n; LoopK = Add16(LoopK, 1)) {
            RkK3(LoopK) = h * DerivVec(LoopK);
            StateVec(LoopK) = StepStart(LoopK) + RkK3(LoopK);
        }
        CheckFloatingPointStatus();
        derivative(*this);
        for (LoopK = 1; LoopK <= n; LoopK = Add16(LoopK, 1))
            RkK4(LoopK) = h * DerivVec(LoopK);
        for (LoopK = 1; LoopK <= n; LoopK = Add16(LoopK, 1))
            StateVec(LoopK) =
                (RkK1(LoopK) + 2 * RkK2(LoopK) + 2 * RkK3(LoopK) + RkK4(LoopK)) / 6 + StepStart(LoopK);
        CheckFloatingPointStatus();
    } catch (const RunTimeError&) {
        // A faulted step is undone as a whole, so the state stays one the user can go on from.
        for (int k = 1; k <= n; ++k)
            StateVec(k) = StepStart(k);
        throw;
    }
}

} // namespace orvane
