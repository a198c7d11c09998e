#include "BodyColors.h"

#include "SimState.h"

namespace orvane {

BodyColors AllBodyColors() {
    BodyColors colors{};
    for (int body = body::Sun; body <= body::Count; ++body) {
        const BodyFacts& facts = Bodies[static_cast<std::size_t>(body)];
        colors[static_cast<std::size_t>(body - 1)] = RgbColor(facts.red, facts.green, facts.blue);
    }
    return colors;
}

BodyColors ProjectorBodyColors() {
    return {
        RgbColor(204, 102, 0),   // the Sun, orange
        RgbColor(105, 105, 105), // Mercury, grey
        RgbColor(0, 0, 0),       // Venus, black
        RgbColor(0, 100, 255),   // the Earth, blue
        RgbColor(210, 0, 0),     // Mars, red
        RgbColor(120, 40, 40),   // Jupiter, maroon
        RgbColor(120, 130, 0),   // Saturn, olive
        RgbColor(0, 140, 140),   // Uranus, teal
        RgbColor(0, 0, 128),     // Neptune, navy
        RgbColor(150, 0, 150),   // Pluto, purple
        RgbColor(0, 130, 0),     // the asteroid, green
    };
}

} // namespace orvane
