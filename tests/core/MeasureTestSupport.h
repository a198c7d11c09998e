#pragma once

#include "Measurements.h"

namespace orvane::test {

// The Sun alone at the origin with one body; every other body massless and far away.
inline measure::RunSnapshot SunAndBody(int body, bool sunHeld, double sunMass, double mass, double x,
                                       double y, double vx, double vy) {
    measure::RunSnapshot s;
    s.gravConst = 6.67e-11;
    s.sunHeld = sunHeld;
    s.mass[orvane::body::Sun] = sunMass;
    for (int b = orvane::body::Sun + 1; b <= orvane::body::Count; ++b)
        s.x[b] = 1e20 * b;
    s.x[body] = x;
    s.y[body] = y;
    s.vx[body] = vx;
    s.vy[body] = vy;
    s.mass[body] = mass;
    return s;
}

} // namespace orvane::test
