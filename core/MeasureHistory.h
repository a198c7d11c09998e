#pragma once

#include "Measurements.h"

#include <cstddef>
#include <vector>

namespace orvane::measure {

// One recorded moment of a run.
struct Sample {
    double time = 0;   // s
    PerBody x{};       // m
    PerBody y{};       // m
    PerBody vx{};      // m/s
    PerBody vy{};      // m/s
    double energy = 0; // J, the conserved energy of the moment's Sun option
    double angularMomentum = 0;
    double relativeEnergyChange = 0; // |dE/E0| against the baseline in force; negative when E0 is 0
};

// The samples of a run, bounded: when full, every second sample of the older half is dropped, so a run
// of any length keeps its whole story, the older the part the coarser.
class SampleHistory {
  public:
    static constexpr std::size_t DefaultCapacity = 10000;

    explicit SampleHistory(std::size_t capacity = DefaultCapacity);

    void Add(const Sample& sample);
    void Clear() { samples_.clear(); }
    const std::vector<Sample>& Samples() const { return samples_; }

  private:
    void Thin();

    std::size_t capacity_;
    std::vector<Sample> samples_;
};

} // namespace orvane::measure
