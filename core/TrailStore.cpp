#include "TrailStore.h"

#include <algorithm>
#include <stdexcept>

namespace orvane {

TrailStore::TrailStore(std::size_t budgetBytes, std::size_t chunkSamples)
    : chunkSamples_(std::max<std::size_t>(chunkSamples, 1)) {
    const std::size_t chunkCost = chunkSamples_ * sizeof(Sample) + sizeof(std::unique_ptr<Sample[]>);
    const std::size_t available = budgetBytes > sizeof(TrailStore) ? budgetBytes - sizeof(TrailStore) : 0;
    chunkLimit_ = available / chunkCost;
    // Thinning halves the older part into one half of the store: the store must hold at least two.
    capacity_ = chunkLimit_ * chunkSamples_;
    if (capacity_ < 2) throw std::invalid_argument("TrailStore: the budget holds fewer than two samples");
}

void TrailStore::Clear() {
    std::vector<std::unique_ptr<Sample[]>>().swap(chunks_);
    size_ = 0;
    thinnedCount_ = 0;
    stride_ = 1;
    everyTickFrom_ = 0;
    ticks_ = 0;
}

std::uint64_t TrailStore::TickOf(std::size_t index) const {
    return index < thinnedCount_ ? index * stride_ : everyTickFrom_ + (index - thinnedCount_);
}

std::size_t TrailStore::MemoryBytes() const {
    return sizeof(TrailStore) + chunks_.capacity() * sizeof(std::unique_ptr<Sample[]>) +
           chunks_.size() * chunkSamples_ * sizeof(Sample);
}

void TrailStore::Record(const Sample& sample) {
    if (size_ == capacity_) Thin();
    if (size_ / chunkSamples_ == chunks_.size()) {
        // The chunk table is sized once: its growth never overshoots the budget.
        if (chunks_.capacity() == 0) chunks_.reserve(chunkLimit_);
        chunks_.push_back(std::make_unique_for_overwrite<Sample[]>(chunkSamples_));
    }
    Slot(size_) = sample;
    ++size_;
    ++ticks_;
}

// The full store keeps the ticks that are multiples of a new stride, the smallest power of two that
// fits them into half the store, so the latest ticks have the other half to themselves. Every multiple
// of the new stride is still held (the older part held every multiple of the old one, the rest every
// tick), so the older part stays evenly spaced from the first tick on.
void TrailStore::Thin() {
    const auto keptWith = [this](std::uint64_t stride) {
        const std::uint64_t lastTick = ticks_ - 1;
        return static_cast<std::size_t>(lastTick / stride + 1);
    };
    std::uint64_t stride = stride_;
    while (keptWith(stride) > capacity_ / 2)
        stride *= 2;
    std::size_t kept = 0;
    for (std::size_t index = 0; index < size_; ++index) {
        if (TickOf(index) % stride != 0) continue;
        if (kept != index) Slot(kept) = (*this)[index];
        ++kept;
    }
    size_ = kept;
    thinnedCount_ = kept;
    stride_ = stride;
    everyTickFrom_ = ticks_;
}

} // namespace orvane
