#pragma once

#include "BodyColors.h"
#include "ExperimentView.h"
#include "Integrator.h"
#include "SimState.h"

namespace orvane {

class DrawingSurface;

// One tick of the experiment, in the program's order: the frame of both screens; the simulated time and
// one step of `run` by the method `shared` names (Runge–Kutta unless chosen otherwise), made by
// `integrator`, which keeps what the method carries from step to step; the bodies' screen positions and the
// elapsed years and days; one point per body. The step length, the overview's scale and the length unit are
// read from `shared` on every call, as options meant to be shared; `view` is what the left screen shows now;
// `run` is the experiment's own state. `palette`, where given, colours the bodies instead of the table (a
// projector's).
void ExperimentTick(SimState& run, const SimState& shared, const ExperimentView& view,
                    DrawingSurface& picture1, DrawingSurface& picture2, RunIntegrator& integrator,
                    const BodyColors* palette = nullptr);
// The same with a method made for this one step (a method's kept values only save evaluations).
void ExperimentTick(SimState& run, const SimState& shared, const ExperimentView& view,
                    DrawingSurface& picture1, DrawingSurface& picture2, const BodyColors* palette = nullptr);

// The parts of a tick, in the order it runs them.

// The user coordinates of both screens, their axes in AxisColor, and on the overview the outline of
// the area the left screen shows.
void DrawExperimentFrame(const SimState& shared, const ExperimentView& view, DrawingSurface& picture1,
                         DrawingSurface& picture2);

// SimTime advanced by one step and one step of the whole state by the method `shared` names, which the
// run's options then record; a step that raises the run-time error is undone as a whole, the time
// included. Then ScreenX/ScreenY of every body and the elapsed days, whole 365-day years and remaining
// days.
void AdvanceExperiment(SimState& run, const SimState& shared, RunIntegrator& integrator);
void AdvanceExperiment(SimState& run, const SimState& shared);

// One point per body in its colour at its screen position, first on picture1, then on picture2.
void PlotBodies(SimState& run, DrawingSurface& picture1, DrawingSurface& picture2,
                const BodyColors* palette = nullptr);

} // namespace orvane
