#pragma once

#include "ParameterFile.h"
#include "SimState.h"

namespace orvane {

// The parameter file's rows from the body table: the current angles, positions in thousands of
// kilometres, velocities. Loops over the bodies with the shared LoopI.
ParameterRows RowsFromBodyTable(SimState& state);

// The body table from the file's rows: current angles, positions scaled to metres, velocities. The
// masses stay as they are. Loops over the bodies with the shared LoopI.
void BodyTableFromRows(SimState& state, const ParameterRows& rows);

} // namespace orvane
