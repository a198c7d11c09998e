#include "ExperimentTick.h"

#include "Bodies.h"
#include "DrawingSurface.h"
#include "FloatingPoint.h"
#include "StateLayout.h"

#include <cmath>

namespace orvane {

void ExperimentTick(SimState& run, const SimState& shared, const ExperimentView& view,
                    DrawingSurface& picture1, DrawingSurface& picture2, RunIntegrator& integrator,
                    const BodyColors* palette) {
    DrawExperimentFrame(shared, view, picture1, picture2);
    AdvanceExperiment(run, shared, integrator);
    PlotBodies(run, picture1, picture2, palette);
}

void ExperimentTick(SimState& run, const SimState& shared, const ExperimentView& view,
                    DrawingSurface& picture1, DrawingSurface& picture2, const BodyColors* palette) {
    RunIntegrator integrator;
    ExperimentTick(run, shared, view, picture1, picture2, integrator, palette);
}

void DrawExperimentFrame(const SimState& shared, const ExperimentView& view, DrawingSurface& picture1,
                         DrawingSurface& picture2) {
    const double zoomHalfX = view.ZoomHalfX;
    const double zoomHalfY = view.ZoomHalfY;
    const double centreX = view.ZoomCenterX;
    const double centreY = view.ZoomCenterY;
    picture1.Scale(centreX - zoomHalfX, centreY + zoomHalfY, centreX + zoomHalfX, centreY - zoomHalfY);
    picture1.Line(ToSingle(centreX - zoomHalfX), 0, ToSingle(centreX + zoomHalfX), 0, AxisColor);
    picture1.Line(0, ToSingle(centreY + zoomHalfY), 0, ToSingle(centreY - zoomHalfY), AxisColor);

    const double viewHalfX = shared.ViewHalfX;
    const double viewHalfY = shared.ViewHalfY;
    picture2.Scale(-viewHalfX, viewHalfY, viewHalfX, -viewHalfY);
    picture2.Line(ToSingle(-viewHalfX), 0, ToSingle(viewHalfX), 0, AxisColor);
    picture2.Line(0, ToSingle(viewHalfY), 0, ToSingle(-viewHalfY), AxisColor);
    picture2.Box(ToSingle(centreX - zoomHalfX), ToSingle(centreY - zoomHalfY), ToSingle(2 * zoomHalfX),
                 ToSingle(2 * zoomHalfY));
}

void AdvanceExperiment(SimState& run, const SimState& shared) {
    RunIntegrator integrator;
    AdvanceExperiment(run, shared, integrator);
}

void AdvanceExperiment(SimState& run, const SimState& shared, RunIntegrator& integrator) {
    run.Options.TimeStep = shared.Options.TimeStep;
    run.Options.Method = shared.Options.Method;
    // The step is undone as a whole on a fault: the time goes back with the state.
    integrator.For(run.Options.Method)
        .Step(run, run.SimTime, run.Options.TimeStep, run.StateDim, &SimState::NBodyDerivatives);

    ClearFloatingPointStatus();
    const Integer n = run.BodyCount;
    for (run.LoopI = 1; run.LoopI <= n; run.LoopI = Add16(run.LoopI, 1)) {
        run.ScreenX(run.LoopI) = ToMillionKm(run.StateVec(state::X(run.LoopI, n)), shared.LengthUnit);
        run.ScreenY(run.LoopI) = ToMillionKm(run.StateVec(state::Y(run.LoopI, n)), shared.LengthUnit);
    }
    // Hours first, then days: the division in two steps, as the count has always been made.
    run.ElapsedDays = run.SimTime / SecondsPerHour / HoursPerDay;
    run.ElapsedYears = std::trunc(run.ElapsedDays / DaysPerCountedYear);
    run.ElapsedDaysRem = run.ElapsedDays - DaysPerCountedYear * run.ElapsedYears;
    CheckFloatingPointStatus();
}

void PlotBodies(SimState& run, DrawingSurface& picture1, DrawingSurface& picture2,
                const BodyColors* palette) {
    const Integer n = run.BodyCount;
    for (run.LoopI = 1; run.LoopI <= n; run.LoopI = Add16(run.LoopI, 1)) {
        run.SetBodyColor();
        const bool inPalette = palette != nullptr && run.LoopI >= body::Sun && run.LoopI <= body::Count;
        const std::int32_t color = inPalette ? (*palette)[static_cast<std::size_t>(run.LoopI - 1)]
                                             : RgbColor(run.ColorR, run.ColorG, run.ColorB);
        const auto x = ToSingle(run.ScreenX(run.LoopI));
        const auto y = ToSingle(run.ScreenY(run.LoopI));
        picture1.PSet(x, y, color);
        picture2.PSet(x, y, color);
    }
}

} // namespace orvane
