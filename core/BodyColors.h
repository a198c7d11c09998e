#pragma once

#include "Bodies.h"

#include <array>
#include <cstdint>

namespace orvane {

// Every body's colour value as SetBodyColor gives it, by body index − 1.
using BodyColors = std::array<std::int32_t, body::Count>;

BodyColors AllBodyColors();

// The colours for a projector: every body its own, each dark enough to stand out from the white screen
// at a contrast of at least 3 to 1 (the figure asked of graphics), the Sun orange. The table's colours
// are kept everywhere else: there Neptune shares Mars's red and Pluto the Earth's blue, and the Sun's
// pure green reads poorly on white.
BodyColors ProjectorBodyColors();

} // namespace orvane
