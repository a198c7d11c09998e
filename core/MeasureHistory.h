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
    PerBody vx{};      // m/s; a held Sun's is 0, the velocity it moves with
    PerBody vy{};      // m/s
    double energy = 0; // J, the conserved energy of the moment's Sun option
    double angularMomentum = 0;
    double relativeEnergyChange = 0; // |dE/E0| against the baseline in force; negative when E0 is 0
    bool sunHeld = false;
    SolverMethod method = DefaultSolverMethod;
};

// The samples of a run, bounded and even over the whole run. Every `Stride()`-th moment is kept, the
// run's start always among them; when the history is full, every second kept moment is dropped and the
// stride doubles, so the kept moments stay evenly spaced from the start to now. The newest moment is
// kept too even when it falls between two strides: it is replaced by the next one and gives way to the
// next moment on the stride, so the rows show at most two spacings, the stride and the last one.
class SampleHistory {
  public:
    static constexpr std::size_t DefaultCapacity = 10000;

    explicit SampleHistory(std::size_t capacity = DefaultCapacity);

    void Add(const Sample& sample);
    void Clear();
    const std::vector<Sample>& Samples() const { return samples_; }
    // How many moments of the run lie between two kept ones.
    unsigned long long Stride() const { return stride_; }

  private:
    void Thin();

    std::size_t capacity_;
    std::vector<Sample> samples_;
    unsigned long long added_ = 0; // moments added since the run's start
    unsigned long long stride_ = 1;
    bool newestOffStride_ = false; // the last sample is the newest moment, between two strides
};

} // namespace orvane::measure
