#pragma once

namespace orvane::state {

// Where a body's values lie in a state vector of n bodies (indices from 1, as in every table of the
// program): all the x positions first, then all the y, all the vx and all the vy, each block n long.
// The derivative vector has the same layout, velocities in the first two blocks and accelerations in
// the last two.
constexpr int X(int body, int /*n*/) {
    return body;
}
constexpr int Y(int body, int n) {
    return body + n;
}
constexpr int Vx(int body, int n) {
    return body + 2 * n;
}
constexpr int Vy(int body, int n) {
    return body + 3 * n;
}

} // namespace orvane::state
