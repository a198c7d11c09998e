#pragma once

#include "Bodies.h"
#include "Calendar.h"

#include <array>
#include <optional>

namespace orvane {
class SimState;
}

namespace orvane::measure {

// Bodies are named by the program's indices, 1 (the Sun) to 11 (the asteroid); index 0 is unused.
using PerBody = std::array<double, body::Count + 1>;

// What the measurements read of a run, at one moment: SI units throughout.
struct RunSnapshot {
    double time = 0; // seconds since the run's start
    double gravConst = 0;
    bool sunHeld = false;
    PerBody x{};
    PerBody y{};
    PerBody vx{};
    PerBody vy{};
    PerBody mass{};
    // The date whose real positions the run started from, if it did.
    std::optional<CalendarDate> dataSetDate;
};

// The experiment's state as the measurements see it.
RunSnapshot SnapshotOf(const SimState& run);

// A held Sun does not move, whatever velocity the state vector keeps for it.
double SunVx(const RunSnapshot& s);
double SunVy(const RunSnapshot& s);

// A body's motion relative to the Sun and the Keplerian orbit it would follow if only the Sun pulled
// it (the osculating orbit, mu = G (M_Sun + m)).
struct OrbitAboutSun {
    double distance = 0;      // m
    double speed = 0;         // m/s
    double polarAngleRad = 0; // of the position seen from the Sun, -pi to pi
    double eccentricity = 0;
    // Only a bound orbit (e < 1) has a semi-major axis and a period.
    std::optional<double> semiMajorAxis; // m
    std::optional<double> keplerPeriod;  // s, T = 2 pi sqrt(a^3 / mu)
};

// For bodies 2 to 11; a body in the Sun's place has no orbit and reads as unbound.
OrbitAboutSun OrbitOf(const RunSnapshot& s, int body);

// The quantities the run conserves. With the Sun held: the kinetic energy of the other bodies, the
// potential energy of every pair (those with the fixed Sun included) and the angular momentum about the
// Sun's position. With the Sun free: all eleven bodies, angular momentum about the origin. The centre of
// mass is always that of all eleven bodies.
struct Conservation {
    double kinetic = 0;         // J
    double potential = 0;       // J
    double total = 0;           // J
    double angularMomentum = 0; // kg m^2/s, positive counter-clockwise
    double centreX = 0;         // m
    double centreY = 0;         // m
    double centreVx = 0;        // m/s
    double centreVy = 0;        // m/s
};

Conservation ConservedQuantities(const RunSnapshot& s);

// The polar angle of a body's position seen from the Sun, -pi to pi.
double PolarAngleAboutSun(const RunSnapshot& s, int body);

// |now / start - 1|; none when the starting value is 0.
std::optional<double> RelativeChange(double start, double now);

} // namespace orvane::measure
