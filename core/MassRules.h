#pragma once

#include "Error.h"

#include <optional>

namespace orvane {

// What the masses taken over with «Изменить» may be, in percent of the Earth's mass: the Sun's must be
// above zero (every planet falls towards it, and a force divided by a zero mass has no value); the
// asteroid's may be zero, which removes its pull, but not negative.
// Nothing when both may be taken; the Sun is named first.
constexpr std::optional<ErrorCode> CheckSunAndAsteroidMasses(double sunPct, double asteroidPct) {
    if (sunPct <= 0) return ErrorCode::SunMassNotPositive;
    if (asteroidPct < 0) return ErrorCode::AsteroidMassNegative;
    return std::nullopt;
}

} // namespace orvane
