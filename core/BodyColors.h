#pragma once

#include "Bodies.h"

#include <array>
#include <cstdint>

namespace orvane {

// Every body's colour value as SetBodyColor gives it, by body index − 1.
using BodyColors = std::array<std::int32_t, body::Count>;

BodyColors AllBodyColors();

} // namespace orvane
