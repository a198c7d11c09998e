#pragma once

#include "SimState.h"

namespace orvane {

class DrawingSurface;

// A planet's run along its orbit in the set-up window. The run keeps its own state `orbit` (a copy of
// the shared state taken at its start, whose StateVec(1..4) holds x, y, vx, vy of the planet and whose
// colour registers hold the planet's colour), apart from the shared loop index and the experiment's
// state vector; every step writes the planet's new state into the shared body table.

// Starts a run of `planet` from the shared body table.
void StartOrbitRun(SimState& orbit, const SimState& shared, int planet);

// One step: a Runge–Kutta step of the four components with the step length and the masses of the Sun
// and the planet as the shared state holds them now; the new state into the shared body table; the
// planet's angle; one trail point on each screen in the planet's colour; SimTime advanced by one step.
void OrbitStep(SimState& orbit, SimState& shared, int planet, DrawingSurface& picture1,
               DrawingSurface& picture2);

// PlanetAngle(planet) in degrees, 0 to 360 counter-clockwise from the +x axis, from the position (x, y);
// AngleRad keeps the arctangent. On the y axis (x = 0) no arctangent is taken: the angle is 90 above the
// origin and 270 below it, and AngleRad keeps its value.
void SetPlanetAngle(SimState& shared, int planet, double x, double y);

} // namespace orvane
