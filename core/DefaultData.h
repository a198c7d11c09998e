#pragma once

#include "Bodies.h"

#include <array>
#include <span>

namespace orvane {

// One row of a built-in data set: angle in degrees, mass in percent of the Earth's mass, position in
// thousands of kilometres, velocity in metres per second.
struct BodyRecord {
    double angle;
    double massPct;
    double x;
    double y;
    double vx;
    double vy;
};

// The start-up data set of the eleven bodies, Sun first and asteroid last. Every planet's angle is the
// polar angle of its position and its velocity is perpendicular to it, turning counter-clockwise.
inline constexpr std::array<BodyRecord, body::Count> DefaultBodies{{
    {0, 33316600, 0, 0, 0, 0},                    // Sun
    {70, 5.55, 15733, 43226, -55414, 20169},      // Mercury
    {275, 81.6, 9361, -106991, 35156, 3076},      // Venus
    {275, 100, 12821, -146540, 30165, 2639},      // Earth
    {325, 10.75, 169319, -118558, 15193, 21698},  // Mars
    {320, 31810, 567026, -475791, 8811, 10500},   // Jupiter
    {50, 9514, 869499, 1036228, -7778, 6526},     // Saturn
    {225, 1454, -1938038, -1938038, 5024, -5024}, // Uranus
    {310, 1708.5, 2863619, -3412728, 4197, 3522}, // Neptune
    {240, 0.21, -2201250, -3812677, 5322, -3073}, // Pluto
    {0, 318100, -1000000, 2000000, 600, -5000},   // asteroid
}};

// Positions and velocities of the Sun and the nine planets on 1 January 2000 (no masses, nothing for
// the asteroid; the Sun's angle is not part of the set).
inline constexpr std::array<BodyRecord, body::Pluto> EpochBodies{{
    {0, 0, 0, 0, 0, 0},                        // Sun
    {250, 0, -23893, -65621, 36498, -13290},   // Mercury
    {183, 0, -108157, -5782, 2155, -34927},    // Venus
    {98.5, 0, -22434, 150410, -28964, -4350},  // Earth
    {0, 0, 209931, -81, 1304, 26080},          // Mars
    {37, 0, 613041, 461975, -7463, 10926},     // Jupiter
    {45.5, 0, 948102, 965119, -7269, 7086},    // Saturn
    {318.5, 0, 2146256, -1899067, 4721, 4895}, // Uranus
    {303.5, 0, 2458864, -3715271, 4565, 3028}, // Neptune
    {249, 0, -1582309, -4120098, 5652, -2379}, // Pluto
}};

// A built-in data set: its rows from the Sun on, whether it holds masses, and the first body whose angle
// it holds.
struct DataSet {
    std::span<const BodyRecord> bodies;
    bool hasMasses;
    int firstAngle;
};

inline constexpr DataSet DefaultDataSet{DefaultBodies, true, body::Sun};
inline constexpr DataSet EpochDataSet{EpochBodies, false, body::Mercury};

} // namespace orvane
