#include "AxisTicks.h"

#include <cmath>

namespace orvane::measure {

std::vector<double> LinearTicks(double lo, double hi, int maxTicks) {
    std::vector<double> ticks;
    if (!(hi > lo) || maxTicks < 2 || !std::isfinite(hi - lo)) return ticks;
    const double rough = (hi - lo) / maxTicks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    const double first = std::ceil(lo / step - 1e-9);
    for (double k = first; k * step <= hi + step * 1e-9; k += 1)
        ticks.push_back(std::abs(k) < 1e-12 ? 0.0 : k * step);
    return ticks;
}

std::vector<double> DecadeTicks(double lo, double hi, int maxTicks) {
    std::vector<double> ticks;
    if (!(lo > 0) || !(hi > lo) || !std::isfinite(hi) || maxTicks < 1) return ticks;
    const int first = static_cast<int>(std::ceil(std::log10(lo) - 1e-9));
    const int last = static_cast<int>(std::floor(std::log10(hi) + 1e-9));
    const int count = last - first + 1;
    int every = 1;
    for (const int candidate : {1, 2, 5, 10, 20}) {
        every = candidate;
        if ((count + candidate - 1) / candidate <= maxTicks) break;
    }
    for (int k = first; k <= last; ++k)
        if (k % every == 0) ticks.push_back(std::pow(10.0, k));
    return ticks;
}

} // namespace orvane::measure
