#pragma once

#include "Bodies.h"
#include "Calendar.h"
#include "SolverMethod.h"

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
    // The elapsed time as the experiment window shows it, computed once by the run's step: whole years
    // of 365 days and the days left over, and all days.
    double elapsedDays = 0;
    double elapsedYears = 0;
    double elapsedDaysRem = 0;
    double gravConst = 0;
    bool sunHeld = false;
    // The method the last step was made with.
    SolverMethod method = DefaultSolverMethod;
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

// The strength of the Sun's pull on a body, mu, for the orbit relative to the Sun. A held Sun is a fixed
// centre: the body moves as a test particle about it, mu = G M_Sun. A free Sun is pulled back by the
// body, and their relative motion is a Kepler orbit of mu = G (M_Sun + m).
double SunPull(const RunSnapshot& s, int body);

// How a body moves relative to the Sun, as far as the Sun's pull alone decides it.
enum class OrbitKind {
    Bound,           // an ellipse (e < 1): it comes round again
    Receding,        // not bound (e >= 1) and moving away: it leaves for good
    Approaching,     // not bound and still coming closer: it passes the Sun once and leaves
    FallingIntoSun,  // on a straight line through the Sun (no sideways velocity), moving towards it
    RisingAndFalling // on a straight line through the Sun, moving away but bound: it will fall back
};

// A body's motion relative to the Sun and the Keplerian orbit it would follow if only the Sun pulled
// it (the osculating orbit, with mu as SunPull gives it for the Sun's mode of the moment).
struct OrbitAboutSun {
    double distance = 0;       // m
    double speed = 0;          // m/s
    double radialVelocity = 0; // m/s, positive away from the Sun
    double polarAngleRad = 0;  // of the position seen from the Sun, -pi to pi
    double eccentricity = 0;
    OrbitKind kind = OrbitKind::Receding;
    // Only a bound orbit has a semi-major axis and a period.
    std::optional<double> semiMajorAxis; // m
    std::optional<double> keplerPeriod;  // s, T = 2 pi sqrt(a^3 / mu)
};

// For bodies 2 to 11; a body in the Sun's place has no orbit: its eccentricity is infinite.
OrbitAboutSun OrbitOf(const RunSnapshot& s, int body);

// The distance of body 2..11 from the Sun, m.
double DistanceFromSun(const PerBody& x, const PerBody& y, int body);

// The quantities the run conserves. With the Sun held: the kinetic energy of the other bodies, the
// potential energy of every pair (those with the fixed Sun included) and the angular momentum about the
// Sun's position. With the Sun free: all eleven bodies, angular momentum about the origin. The centre of
// mass is always that of all eleven bodies; only with the Sun free does the system feel no outside force,
// so that the centre of mass moves uniformly and its velocity is conserved (a held Sun is kept in place
// by a force from outside, and the centre of mass swings with the planets).
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
// An angle in radians as degrees from 0 up to (not including) 360, as the set-up window's angles read.
double DegreesFrom0To360(double radians);

// |now / start - 1|; none when the starting value is 0.
std::optional<double> RelativeChange(double start, double now);

} // namespace orvane::measure
