#include "ExperimentStart.h"

#include "StateLayout.h"

namespace orvane {

void PrepareExperimentStart(SimState& shared) {
    shared.PackState();
    shared.ElapsedYears = 0;
    shared.ElapsedDays = 0;
    shared.ElapsedDaysRem = 0;
    shared.SimTime = 0;
}

void ReturnRunToTable(SimState& shared, const SimState& run) {
    const Integer n = run.BodyCount;
    for (shared.LoopI = 1; shared.LoopI <= n; shared.LoopI = Add16(shared.LoopI, 1)) {
        const int i = shared.LoopI;
        shared.SetBodyState(i, run.StateVec(state::X(i, n)), run.StateVec(state::Y(i, n)),
                            run.StateVec(state::Vx(i, n)), run.StateVec(state::Vy(i, n)));
    }
}

} // namespace orvane
