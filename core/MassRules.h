#pragma once

namespace orvane {

// What the masses taken over with «Изменить» may be, in percent of the Earth's mass: the Sun's must be
// above zero (every planet falls towards it, and a force divided by a zero mass has no value); the
// asteroid's may be zero, which removes its pull, but not negative.
enum class MassRefusal { None, SunNotPositive, AsteroidNegative };

constexpr MassRefusal CheckSunAndAsteroidMasses(double sunPct, double asteroidPct) {
    if (sunPct <= 0) return MassRefusal::SunNotPositive;
    if (asteroidPct < 0) return MassRefusal::AsteroidNegative;
    return MassRefusal::None;
}

} // namespace orvane
