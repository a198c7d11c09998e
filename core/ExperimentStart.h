#pragma once

#include "SimState.h"

namespace orvane {

// «Начать эксперимент»: the body table packed into the state vector (masses, the overview's scale) and
// the elapsed time back at zero. The experiment window then takes a copy of `shared` as its run.
void PrepareExperimentStart(SimState& shared);

// The run's positions and velocities handed back to the body table, body by body through the shared
// loop index; the table then holds the run's state, no longer a data set's real positions.
void ReturnRunToTable(SimState& shared, const SimState& run);

} // namespace orvane
