#pragma once

#include "Bodies.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace orvane {

// Every body's path as the experiment's ticks plotted it, kept so that the trails can be drawn again at
// another view. The store holds a fixed budget of memory at most, whatever the length of the run: once
// full it thins the older part of the path evenly, keeping every second sample of it (then every
// fourth, …), while the latest ticks are always held one by one. Samples are kept in fixed-size chunks,
// so growing never copies the path and the memory held is what the chunks take.
class TrailStore {
  public:
    // One tick: the screen position (millions of km, single precision as the points were plotted) of
    // every body, x then y, body by body.
    using Sample = std::array<float, 2 * body::Count>;

    // 48 MB: about 545 000 ticks, which a pan draws again on both screens within 100 ms even when the
    // store is full (64 MB would be the most a run may take).
    static constexpr std::size_t DefaultBudgetBytes = 48'000'000;
    static constexpr std::size_t DefaultChunkSamples = 4096;

    // A store of at most `budgetBytes` bytes (the samples, their chunk table and the store itself).
    explicit TrailStore(std::size_t budgetBytes = DefaultBudgetBytes,
                        std::size_t chunkSamples = DefaultChunkSamples);

    // Forgets the path and gives its memory back.
    void Clear();
    void Record(const Sample& sample);

    // The samples held, oldest first.
    std::size_t Size() const { return size_; }
    const Sample& operator[](std::size_t index) const {
        return chunks_[index / chunkSamples_][index % chunkSamples_];
    }
    // The number of the tick (0 for the first one recorded) a sample was taken at.
    std::uint64_t TickOf(std::size_t index) const;
    // The ticks recorded since the store was cleared.
    std::uint64_t Ticks() const { return ticks_; }
    // Every `Stride()`-th tick of the older part is held; 1 until the store first filled.
    std::uint64_t Stride() const { return stride_; }
    // The samples before this index are the thinned older part; from it on every tick is held.
    std::size_t FirstOfEveryTick() const { return thinnedCount_; }
    std::size_t Capacity() const { return capacity_; }
    std::size_t MemoryBytes() const;

    // Calls visit(const Sample* first, std::size_t count) for the samples oldest first, as few runs of
    // consecutive samples as the chunks allow.
    template <typename Visit>
    void ForEachRun(Visit visit) const {
        for (std::size_t start = 0; start < size_; start += chunkSamples_)
            visit(chunks_[start / chunkSamples_].get(), std::min(chunkSamples_, size_ - start));
    }

  private:
    void Thin();
    Sample& Slot(std::size_t index) { return chunks_[index / chunkSamples_][index % chunkSamples_]; }

    std::size_t chunkSamples_;
    std::size_t chunkLimit_;
    std::size_t capacity_;
    std::vector<std::unique_ptr<Sample[]>> chunks_;
    std::size_t size_ = 0;
    std::size_t thinnedCount_ = 0; // samples of the thinned older part: ticks 0, stride, 2·stride, …
    std::uint64_t stride_ = 1;
    std::uint64_t everyTickFrom_ = 0; // the tick of the first sample after the older part
    std::uint64_t ticks_ = 0;
};

} // namespace orvane
