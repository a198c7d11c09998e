#include "MeasureHistory.h"

#include <algorithm>

namespace orvane::measure {

SampleHistory::SampleHistory(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 4)) {}

void SampleHistory::Add(const Sample& sample) {
    if (samples_.size() >= capacity_) Thin();
    // The whole capacity at once: a long run then never reallocates, and memory stays flat.
    if (samples_.capacity() < capacity_) samples_.reserve(capacity_);
    samples_.push_back(sample);
}

void SampleHistory::Thin() {
    const std::size_t older = samples_.size() / 2;
    std::size_t kept = 0;
    for (std::size_t k = 0; k < older; k += 2)
        samples_[kept++] = samples_[k];
    const auto recent = samples_.begin() + static_cast<std::ptrdiff_t>(older);
    std::move(recent, samples_.end(), samples_.begin() + static_cast<std::ptrdiff_t>(kept));
    samples_.resize(kept + (samples_.size() - older));
}

} // namespace orvane::measure
