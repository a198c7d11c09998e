#pragma once

#include "MeasureHistory.h"

#include <vector>

namespace orvane::measure {

// What a plot of the history shows against time.
enum class PlotQuantity {
    EnergyChange, // log10 |dE/E0|
    Distance      // of one body from the Sun, million km
};

// The points of a plot in its axes' units: time in days below two years of run and in years from then
// on, the value as the quantity says. Moments where the quantity does not exist are left out.
struct PlotSeries {
    bool inYears = false;
    double secondsPerTimeUnit = 0;
    std::vector<double> times;
    std::vector<double> values;
};

// Fills `series` (its buffers are reused, so a refresh allocates nothing once they have grown).
void BuildPlotSeries(const SampleHistory& history, PlotQuantity quantity, int body, PlotSeries& series);

// The axes' ranges: time from 0 to at least 10 days or 2 years; for |dE/E0| whole decades, at least two;
// for a distance the values with a margin, never below 0.
struct PlotRange {
    double timeMax = 1;
    double valueMin = 0;
    double valueMax = 1;
};

PlotRange PlotRangeOf(const PlotSeries& series, PlotQuantity quantity);

// A point of the drawn curve: a pixel column and a value.
struct PlotPoint {
    long column;
    double value;
};

// The curve reduced to its lowest and highest value in each pixel column, in the order they came, for a
// time axis from 0 to timeMax over `width` pixels starting at `left`: a long history costs no more to draw
// than a short one and loses no peak.
void ThinToPixelColumns(const PlotSeries& series, double timeMax, double left, double width,
                        std::vector<PlotPoint>& curve);

} // namespace orvane::measure
