#pragma once

#include "RunTimeError.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

[[noreturn]] void ThrowIndexError(const char* arrayName, int index);
[[noreturn]] void ThrowInt16Overflow(long long value);

// Narrows a result to a 16-bit Integer, raising the run-time error instead of wrapping around.
inline std::int16_t ToInt16(long long value) {
    if (value < INT16_MIN || value > INT16_MAX) ThrowInt16Overflow(value);
    return static_cast<std::int16_t>(value);
}

inline std::int16_t Add16(std::int16_t a, long long b) {
    return ToInt16(static_cast<long long>(a) + b);
}

// A fixed array with the declared bounds Lo..Hi; every access is checked, as the program's arrays are.
template <typename T, int Lo, int Hi>
class BoundedArray {
  public:
    explicit BoundedArray(const char* name = "") : name_(name) {}

    T& operator()(int index) {
        if (index < Lo || index > Hi) ThrowIndexError(name_, index);
        return data_[static_cast<std::size_t>(index - Lo)];
    }
    const T& operator()(int index) const {
        if (index < Lo || index > Hi) ThrowIndexError(name_, index);
        return data_[static_cast<std::size_t>(index - Lo)];
    }
    bool operator==(const BoundedArray& other) const { return data_ == other.data_; }

  private:
    const char* name_;
    std::array<T, static_cast<std::size_t>(Hi - Lo + 1)> data_{};
};

// A fixed two-dimensional array 0..Hi1 x 0..Hi2 with checked access.
template <typename T, int Hi1, int Hi2>
class BoundedArray2D {
  public:
    explicit BoundedArray2D(const char* name = "") : name_(name) {}

    T& operator()(int i, int j) {
        if (i < 0 || i > Hi1) ThrowIndexError(name_, i);
        if (j < 0 || j > Hi2) ThrowIndexError(name_, j);
        return data_[static_cast<std::size_t>(i) * (Hi2 + 1) + static_cast<std::size_t>(j)];
    }
    const T& operator()(int i, int j) const {
        if (i < 0 || i > Hi1) ThrowIndexError(name_, i);
        if (j < 0 || j > Hi2) ThrowIndexError(name_, j);
        return data_[static_cast<std::size_t>(i) * (Hi2 + 1) + static_cast<std::size_t>(j)];
    }

  private:
    const char* name_;
    std::array<T, static_cast<std::size_t>((Hi1 + 1) * (Hi2 + 1))> data_{};
};

} // namespace orvane
