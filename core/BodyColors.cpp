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

} // namespace orvane
