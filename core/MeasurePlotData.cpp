#include "MeasurePlotData.h"

#include "Bodies.h"

#include <algorithm>
#include <cmath>

namespace orvane::measure {

namespace {
// Below this |dE/E0| is rounding noise of doubles; zero and smaller values are drawn on this floor.
constexpr double SmallestEnergyChange = 1e-16;
} // namespace

void BuildPlotSeries(const SampleHistory& history, PlotQuantity quantity, int body, PlotSeries& series) {
    const auto& samples = history.Samples();
    const double lastSeconds = samples.empty() ? 0 : samples.back().time;
    series.inYears = lastSeconds >= 2 * DaysPerJulianYear * SecondsPerDay;
    series.secondsPerTimeUnit = series.inYears ? DaysPerJulianYear * SecondsPerDay : SecondsPerDay;
    series.times.clear();
    series.values.clear();
    for (const Sample& sample : samples) {
        double value = 0;
        if (quantity == PlotQuantity::EnergyChange) {
            // A change not yet measured (negative) or beyond measure (an energy of almost 0 at the start) has
            // no place on the axis.
            if (sample.relativeEnergyChange < 0 || !std::isfinite(sample.relativeEnergyChange)) continue;
            value = std::log10(std::max(sample.relativeEnergyChange, SmallestEnergyChange));
        } else {
            value = DistanceFromSun(sample.x, sample.y, body) / MetresPerMillionKm;
        }
        series.times.push_back(sample.time / series.secondsPerTimeUnit);
        series.values.push_back(value);
    }
}

PlotRange PlotRangeOf(const PlotSeries& series, PlotQuantity quantity) {
    PlotRange range;
    range.timeMax = std::max(series.times.empty() ? 0.0 : series.times.back(), series.inYears ? 2.0 : 10.0);
    double lo = 0, hi = 1;
    if (!series.values.empty()) {
        const auto [min, max] = std::minmax_element(series.values.begin(), series.values.end());
        lo = *min;
        hi = *max;
    }
    if (quantity == PlotQuantity::EnergyChange) {
        range.valueMin = std::floor(lo);
        range.valueMax = std::max(std::ceil(hi), range.valueMin + 2);
    } else {
        const double pad = std::max((hi - lo) * 0.05, std::max(std::abs(hi) * 1e-3, 1.0));
        range.valueMin = std::max(0.0, lo - pad);
        range.valueMax = hi + pad;
    }
    return range;
}

void ThinToPixelColumns(const PlotSeries& series, double timeMax, double left, double width,
                        std::vector<PlotPoint>& curve) {
    curve.clear();
    long column = -1;
    double low = 0, high = 0;
    std::size_t lowAt = 0, highAt = 0;
    const auto flush = [&] {
        if (column < 0) return;
        const bool lowFirst = lowAt <= highAt;
        curve.push_back({column, lowFirst ? low : high});
        curve.push_back({column, lowFirst ? high : low});
    };
    for (std::size_t k = 0; k < series.times.size(); ++k) {
        const auto here = static_cast<long>(std::floor(left + series.times[k] / timeMax * width));
        const double v = series.values[k];
        if (here != column) {
            flush();
            column = here;
            low = high = v;
            lowAt = highAt = k;
        } else if (v < low) {
            low = v;
            lowAt = k;
        } else if (v > high) {
            high = v;
            highAt = k;
        }
    }
    flush();
}

} // namespace orvane::measure
