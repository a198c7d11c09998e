#pragma once

#include "MeasureHistory.h"
#include "Measurements.h"
#include "RevolutionClock.h"

#include <array>
#include <optional>
#include <vector>

namespace orvane::measure {

// Follows one run: its history, the baseline of the conserved quantities and each body's revolutions.
// A change of the Sun option changes what the run conserves, so it starts a new baseline; chosen before
// the run's first step, it only changes how the start is measured.
class MeasureRecorder {
  public:
    explicit MeasureRecorder(std::size_t capacity = SampleHistory::DefaultCapacity);

    // A new run: the history starts again with this moment.
    void Start(const RunSnapshot& snapshot);
    // The run after a step.
    void Record(const RunSnapshot& snapshot);

    bool Started() const { return started_; }
    const RunSnapshot& Latest() const { return latest_; }
    const Conservation& LatestConservation() const { return latestConservation_; }
    const Conservation& Baseline() const { return baseline_; }
    std::optional<double> EnergyChange() const;
    std::optional<double> AngularMomentumChange() const;
    // The last complete revolution of body 2..11; none for the Sun or before one is complete.
    std::optional<double> MeasuredPeriod(int body) const;
    // Steps recorded since the start.
    unsigned long long Steps() const { return steps_; }
    const SampleHistory& History() const { return history_; }
    // The moments from which a new baseline was taken after a change of the Sun option, in seconds.
    const std::vector<double>& BaselineTimes() const { return baselineTimes_; }
    // Grows with every change, so a view can tell whether it has anything new to show.
    unsigned long long Revision() const { return revision_; }

  private:
    void Add(const RunSnapshot& snapshot);

    static constexpr std::size_t MaxBaselineMarks = 1000;

    SampleHistory history_;
    RunSnapshot latest_;
    Conservation latestConservation_;
    Conservation baseline_;
    std::array<RevolutionClock, body::Count + 1> clocks_{};
    std::vector<double> baselineTimes_;
    bool started_ = false;
    unsigned long long steps_ = 0;
    unsigned long long revision_ = 0;
};

// What the measurements window shows of body 2..11 at the recorder's latest moment.
struct BodyReading {
    OrbitAboutSun orbit;
    // The last complete revolution, shown only while the orbit is bound: a body that has left its orbit
    // has no period any more.
    std::optional<double> measuredPeriod;
    // (measured / Kepler - 1) * 100, where both exist.
    std::optional<double> periodDifferencePct;
};

BodyReading ReadBody(const MeasureRecorder& recorder, int body);

} // namespace orvane::measure
