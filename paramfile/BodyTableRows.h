#pragma once

#include "Experiment.h"
#include "ParameterFile.h"
#include "SimState.h"

#include <optional>

namespace orvane {

// The parameter file's rows from the body table: the current angles, positions in thousands of
// kilometres, velocities. Loops over the bodies with the shared LoopI.
ParameterRows RowsFromBodyTable(SimState& state);

// The first body (1..11) whose saved position would not load back: its whole thousands of kilometres,
// scaled back to metres, overflow (only coordinates at the very limit of a double do). None when all do.
std::optional<int> BodyBeyondTheFile(const ParameterRows& rows, double lengthUnit);

// The body table from the file's rows: current angles, positions scaled to metres, velocities. The
// masses stay as they are. Loops over the bodies with the shared LoopI.
void BodyTableFromRows(SimState& state, const ParameterRows& rows);

// A parameter file's rows as an experiment: whole positions (scaled to metres by `lengthUnit`),
// velocities and current angles; the masses, the accuracy and the Sun's mode stay as they are, and the
// table holds no date's real positions afterwards.
Experiment ExperimentFromRows(const ParameterRows& rows, double lengthUnit);

} // namespace orvane
