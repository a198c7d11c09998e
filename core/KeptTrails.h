#pragma once

#include "BodyColors.h"
#include "ExperimentTick.h"
#include "TrailStore.h"

namespace orvane {

class DrawingSurface;

// The sample of the tick just made: every body's position exactly as the tick plotted it.
TrailStore::Sample TrailSample(const SimState& run);

// Draws the kept trails again on both screens, at the view the shared state and `view` give now: the
// frame, every kept sample but the last one, the frame again and the last sample, which is the picture
// a run drawn live at this view would have left (each tick draws the frame before its points, so only
// the latest points lie over the axes). Where the store holds every tick, it is that picture exactly.
// The screens are not cleared here.
void RedrawTrails(const TrailStore& trails, const BodyColors& colors, const SimState& shared,
                  const ExperimentView& view, DrawingSurface& picture1, DrawingSurface& picture2);

} // namespace orvane
