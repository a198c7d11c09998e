#include "MeasureHistory.h"

#include <algorithm>

namespace orvane::measure {

SampleHistory::SampleHistory(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 4)) {}

void SampleHistory::Clear() {
    samples_.clear();
    added_ = 0;
    stride_ = 1;
    newestOffStride_ = false;
}

void SampleHistory::Add(const Sample& sample) {
    // The whole capacity at once: a long run then never reallocates, and memory stays flat.
    if (samples_.capacity() < capacity_) samples_.reserve(capacity_);
    if (newestOffStride_) samples_.pop_back();
    if (samples_.size() >= capacity_) Thin();
    newestOffStride_ = added_ % stride_ != 0;
    ++added_;
    samples_.push_back(sample);
}

// The kept moments are the run's moments 0, s, 2s, … in order: those at even places are the multiples
// of 2s.
void SampleHistory::Thin() {
    std::size_t kept = 0;
    for (std::size_t k = 0; k < samples_.size(); k += 2)
        samples_[kept++] = samples_[k];
    samples_.resize(kept);
    stride_ *= 2;
}

} // namespace orvane::measure
