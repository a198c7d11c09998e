#pragma once

#include "Units.h"

#include <array>
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

// What a body is to the program: the Sun at the centre, one of the nine planets the set-up window can
// move along its orbit and the ephemeris places on a date, or the asteroid the teacher may add.
enum class BodyRole { Sun, Planet, Asteroid };

// One body of the table: its role and the colour registers its trail is drawn with (red, green, blue;
// a value above 255 counts as 255 when the colour is composed). The names are the windows' to give.
struct BodyFacts {
    BodyRole role;
    std::int16_t red;
    std::int16_t green;
    std::int16_t blue;
};

// The eleven bodies by their index (entry 0 is unused, as every table of the program counts from 1).
// Neptune is drawn in the same red as Mars, the Earth in the same blue as Pluto, Venus in black.
inline constexpr std::array<BodyFacts, body::Count + 1> Bodies{{
    {BodyRole::Sun, 0, 0, 0}, // no body 0
    {BodyRole::Sun, 0, 255, 0},
    {BodyRole::Planet, 0, 185, 0},   // Mercury
    {BodyRole::Planet, 0, 0, 0},     // Venus
    {BodyRole::Planet, 0, 0, 455},   // Earth
    {BodyRole::Planet, 255, 0, 0},   // Mars
    {BodyRole::Planet, 189, 0, 0},   // Jupiter
    {BodyRole::Planet, 0, 191, 0},   // Saturn
    {BodyRole::Planet, 0, 0, 191},   // Uranus
    {BodyRole::Planet, 255, 0, 0},   // Neptune
    {BodyRole::Planet, 0, 0, 255},   // Pluto
    {BodyRole::Asteroid, 0, 190, 0}, // asteroid
}};

constexpr bool IsPlanet(int index) {
    return index >= body::Mercury && index <= body::Pluto;
}

// The force between Neptune and Pluto is never computed with a distance below this floor, in metres,
// which keeps their close passes finite.
inline constexpr double NeptunePlutoMinDist = 1300000000000.0;

// The axes are drawn in colour value 1 (red 1): it looks black, yet differs from every body's colour.
inline constexpr std::int32_t AxisColor = 1;

} // namespace orvane
