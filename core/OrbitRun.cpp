#include "OrbitRun.h"

#include "Bodies.h"
#include "DrawingSurface.h"
#include "FloatingPoint.h"
#include "StateLayout.h"

#include <cmath>

namespace orvane {

namespace {
// The orbit run integrates one body: a state vector of one body's four values.
constexpr int OrbitX = state::X(1, 1);
constexpr int OrbitY = state::Y(1, 1);
constexpr int OrbitVx = state::Vx(1, 1);
constexpr int OrbitVy = state::Vy(1, 1);
} // namespace

void StartOrbitRun(SimState& orbit, const SimState& shared, int planet) {
    orbit = shared;
    orbit.LoopI = ToInt16(planet);
    orbit.StateVec(OrbitX) = shared.BodyX(planet);
    orbit.StateVec(OrbitY) = shared.BodyY(planet);
    orbit.StateVec(OrbitVx) = shared.BodyVx(planet);
    orbit.StateVec(OrbitVy) = shared.BodyVy(planet);
    orbit.SetBodyColor();
}

void SetPlanetAngle(SimState& shared, int planet, double x, double y) {
    if (x != 0) {
        shared.AngleRad = std::atan(y / x);
        // The program's angles have always used 3.14159 for pi, multiplied first and then divided.
        shared.PlanetAngle(planet) = shared.AngleRad * 180 / 3.14159;
        if (x < 0)
            shared.PlanetAngle(planet) = shared.PlanetAngle(planet) + 180;
        else if (y < 0)
            shared.PlanetAngle(planet) = shared.PlanetAngle(planet) + 360;
    } else {
        // On the y axis the angle is known without an arctangent.
        shared.PlanetAngle(planet) = y > 0 ? 90 : 270;
    }
}

void OrbitStep(SimState& orbit, SimState& shared, int planet, DrawingSurface& picture1,
               DrawingSurface& picture2) {
    orbit.LoopI = ToInt16(planet);
    orbit.Options.TimeStep = shared.Options.TimeStep;
    // The masses act as the shared table has them now: a Sun mass taken over and drawn during the run
    // counts from the next step.
    orbit.BodyMass(body::Sun) = shared.BodyMass(body::Sun);
    orbit.BodyMass(planet) = shared.BodyMass(planet);
    orbit.RungeKuttaStep(4, &SimState::OrbitDerivatives);

    // A moved planet is no longer where a data set of real positions put it.
    shared.SetBodyState(planet, orbit.StateVec(OrbitX), orbit.StateVec(OrbitY), orbit.StateVec(OrbitVx),
                        orbit.StateVec(OrbitVy));

    ClearFloatingPointStatus();
    SetPlanetAngle(shared, planet, orbit.StateVec(OrbitX), orbit.StateVec(OrbitY));
    const double screenX = ToMillionKm(shared.BodyX(planet), shared.LengthUnit);
    const double screenY = ToMillionKm(shared.BodyY(planet), shared.LengthUnit);
    CheckFloatingPointStatus();
    const std::int32_t color = RgbColor(orbit.ColorR, orbit.ColorG, orbit.ColorB);
    picture1.PSet(ToSingle(screenX), ToSingle(screenY), color);
    picture2.PSet(ToSingle(screenX), ToSingle(screenY), color);

    shared.SimTime = shared.SimTime + shared.Options.TimeStep;
}

} // namespace orvane
