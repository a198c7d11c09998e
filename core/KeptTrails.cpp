#include "KeptTrails.h"

#include "DrawingSurface.h"

#include <algorithm>

namespace orvane {

TrailStore::Sample TrailSample(const SimState& run) {
    TrailStore::Sample sample{};
    for (int i = 1; i <= body::Count; ++i) {
        sample[static_cast<std::size_t>(2 * (i - 1))] = ToSingle(run.ScreenX(i));
        sample[static_cast<std::size_t>(2 * (i - 1) + 1)] = ToSingle(run.ScreenY(i));
    }
    return sample;
}

void RedrawTrails(const TrailStore& trails, const BodyColors& colors, const SimState& shared,
                  const ExperimentView& view, DrawingSurface& picture1, DrawingSurface& picture2) {
    DrawExperimentFrame(shared, view, picture1, picture2);
    if (trails.Size() == 0) return;
    const std::size_t last = trails.Size() - 1;
    std::size_t drawn = 0;
    trails.ForEachRun([&](const TrailStore::Sample* first, std::size_t count) {
        const std::size_t rows = std::min(count, last - drawn);
        for (DrawingSurface* screen : {&picture1, &picture2})
            screen->PSetRows(first->data(), rows, colors);
        drawn += rows;
    });
    DrawExperimentFrame(shared, view, picture1, picture2);
    for (DrawingSurface* screen : {&picture1, &picture2})
        screen->PSetRows(trails[last].data(), 1, colors);
}

} // namespace orvane
