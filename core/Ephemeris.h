#pragma once

#include "Calendar.h"
#include "Units.h"

namespace orvane {

// Where the real planets were, from JPL's approximate Keplerian elements (E. M. Standish, "Approximate
// Positions of the Planets", table 1: mean ecliptic and equinox of J2000, fitted to 1800–2050). Bodies are
// named by the program's indices, 2 (Mercury) to 10 (Pluto); the Earth is the Earth–Moon barycentre.

// The elements are a fit to these dates only and must not be used outside them.
inline constexpr CalendarDate FirstEphemerisDate{1800, 1, 1};
inline constexpr CalendarDate LastEphemerisDate{2050, 12, 31};

// True for a moment from 1 January 1800, 0 h, up to the end of 31 December 2050.
bool EphemerisCovers(double julianDate);
bool EphemerisCovers(const CalendarDate& date);

struct OrbitalElements {
    double semiMajorAxisAu = 0;
    double eccentricity = 0;
    double inclinationDeg = 0;
    double meanLongitudeDeg = 0;
    double perihelionLongitudeDeg = 0; // varpi, the longitude of perihelion
    double nodeLongitudeDeg = 0;       // Omega, the longitude of the ascending node
};

// The elements of a planet at a moment: the value at J2000 plus the rate per Julian century.
OrbitalElements PlanetElements(int body, double julianDate);

// The eccentric anomaly E of Kepler's equation M = E − e sin E, both angles in degrees.
double SolveKepler(double meanAnomalyDeg, double eccentricity);

// Heliocentric ecliptic coordinates in astronomical units.
struct EclipticPoint {
    double x = 0;
    double y = 0;
    double z = 0;
};

// The published position: the inclined orbit in space.
EclipticPoint HeliocentricPosition(int body, double julianDate);

// The heliocentric ecliptic longitude of the published position, 0 to 360 degrees.
double HeliocentricLongitudeDeg(int body, double julianDate);

// A planet's orbit laid into the plane of the ecliptic (inclination taken as 0): position from Kepler's
// equation, velocity of that Keplerian orbit for the gravitational parameter mu given (G M_Sun for an
// orbit about a held Sun), so that a simulation with the program's own constants follows an orbit of the
// published size and shape.
struct PlanarState {
    double x = 0;        // m
    double y = 0;        // m
    double vx = 0;       // m/s
    double vy = 0;       // m/s
    double angleDeg = 0; // polar angle of the position, 0 to 360
};

PlanarState PlanarStateOnDate(int body, double julianDate, double mu);

} // namespace orvane
