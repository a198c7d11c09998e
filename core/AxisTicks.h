#pragma once

#include <vector>

namespace orvane::measure {

// Round tick values for a linear axis from lo to hi: steps of 1, 2 or 5 times a power of ten, at most
// about `maxTicks` of them, all within [lo, hi].
std::vector<double> LinearTicks(double lo, double hi, int maxTicks);

// The decades 10^k within [lo, hi] (both > 0) for a logarithmic axis; every second or fifth one when
// there are more than `maxTicks`.
std::vector<double> DecadeTicks(double lo, double hi, int maxTicks);

} // namespace orvane::measure
