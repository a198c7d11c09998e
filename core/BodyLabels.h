#pragma once

#include "BodyColors.h"
#include "ExperimentTick.h"

#include <array>
#include <string>

namespace orvane {

class DrawingSurface;

// The part of the plane a screen shows, in millions of kilometres (top > bottom: y grows upward).
struct ScreenArea {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The left screen at the current zoom and centre, and the overview.
ScreenArea LeftScreenArea(const ExperimentView& view);
ScreenArea OverviewArea(const SimState& shared);

// The names shown beside the bodies, by body index − 1, in the words the windows give them.
using BodyNameTexts = std::array<std::string, body::Count>;

// Writes each body's name beside its current position in the body's colour, over the drawing of a
// screen showing `area`. A body outside the area goes unnamed. Each name tries four places in turn —
// right of its body, left, above, below — and takes the first that lies wholly on the screen, clear of
// the names placed before it and of the other bodies' points; a name with no such place is left out,
// so names never cover each other or a body. The Sun is named first, then the asteroid, then the
// planets outward.
void DrawBodyLabels(const SimState& run, const SimState& shared, ScreenArea area, const BodyNameTexts& names,
                    const BodyColors& colors, DrawingSurface& screen);

} // namespace orvane
