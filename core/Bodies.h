#pragma once

#include <cstdint>

namespace orvane {

// The bodies by their index in every table of the program, and how many there are.
namespace body {
inline constexpr int Sun = 1;
inline constexpr int Mercury = 2;
inline constexpr int Venus = 3;
inline constexpr int Earth = 4;
inline constexpr int Mars = 5;
inline constexpr int Jupiter = 6;
inline constexpr int Saturn = 7;
inline constexpr int Uranus = 8;
inline constexpr int Neptune = 9;
inline constexpr int Pluto = 10;
inline constexpr int Asteroid = 11;
inline constexpr int Count = 11;
} // namespace body

// The step lengths of the three accuracy choices, in seconds: two days, one day, a tenth of a day.
inline constexpr double TimeStepLow = 172800;
inline constexpr double TimeStepMedium = 86400;
inline constexpr double TimeStepHigh = 8640;

inline constexpr double SecondsPerDay = 86400;

// The axes are drawn in colour value 1 (red 1): it looks black, yet differs from every body's colour.
inline constexpr std::int32_t AxisColor = 1;

// A length in metres as the screens draw it, in millions of kilometres: divided by the length unit
// (metres per thousand kilometres) and then by 1000, in that order.
inline double ToMillionKm(double metres, double lengthUnit) {
    return metres / lengthUnit / 1000;
}

} // namespace orvane
