#pragma once

#include "SimState.h"

#include <cmath>

namespace orvane::test {

inline SimState StartupState() {
    SimState s;
    s.AssignStartupValues();
    return s;
}

// Spreads every body far apart on a wide circle so that only the pair a test arranges matters.
inline void SpreadBodies(SimState& s) {
    for (int i = 1; i <= 11; ++i) {
        const double angle = 0.5 * i;
        s.BodyX(i) = 1e15 * std::cos(angle);
        s.BodyY(i) = 1e15 * std::sin(angle);
        s.BodyVx(i) = 0;
        s.BodyVy(i) = 0;
    }
}

// The body table packed into the state vector, as the derivative routines read it.
inline void Pack(SimState& s) {
    s.PackState();
}

} // namespace orvane::test
