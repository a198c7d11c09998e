#include "Bodies.h"
#include "FloatingPoint.h"
#include "SimState.h"
#include "StateLayout.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace orvane {

namespace {

// The angle of a pair is formed as if its x separation were at least this many metres.
constexpr double MinAngleDx = 1000;
using body::Neptune;
using body::Pluto;
using body::Sun;

} // namespace

void SimState::AcceleratePair(int i, int j) {
    PairDx(i, j) = BodyX(j) - BodyX(i);
    PairDy(i, j) = BodyY(j) - BodyY(i);
    PairDist(i, j) = std::sqrt(PairDx(i, j) * PairDx(i, j) + PairDy(i, j) * PairDy(i, j));
    if (PairDist(Neptune, Pluto) < NeptunePlutoMinDist) PairDist(Neptune, Pluto) = NeptunePlutoMinDist;

    // Two bodies at the very same place pull in no direction at all.
    if (PairDx(i, j) == 0 && PairDy(i, j) == 0) {
        PairForce(i, j) = 0;
        PairAngle(i, j) = 0;
        PairFx(i, j) = 0;
        PairFy(i, j) = 0;
        return;
    }

    PairForce(i, j) = BodyMass(i) * BodyMass(j) * GravConst / PairDist(i, j) / PairDist(i, j);

    if (PairDx(i, j) == 0) {
        // Straight along y: the arctangent of dy/0 would divide by nothing.
        PairAngle(i, j) = std::numbers::pi / 2;
        PairFx(i, j) = 0;
    } else {
        if (std::fabs(PairDx(i, j)) < MinAngleDx) PairDx(i, j) = PairDx(i, j) > 0 ? MinAngleDx : -MinAngleDx;
        PairAngle(i, j) = std::fabs(std::atan(PairDy(i, j) / PairDx(i, j)));
        PairFx(i, j) = std::cos(PairAngle(i, j)) * PairForce(i, j);
        if (PairDx(i, j) < 0) PairFx(i, j) = -PairFx(i, j);
    }
    PairFy(i, j) = std::sin(PairAngle(i, j)) * PairForce(i, j);
    if (PairDy(i, j) < 0) PairFy(i, j) = -PairFy(i, j);
}

// A massless body is pulled by every other body as a test particle, with the pair geometry the force
// loop has just computed; it pulls no one. The pair (j, k) points from j to k and the pair (k, j) from k
// to j, so the pulls of lower-numbered bodies are subtracted and those of higher-numbered ones added, in
// the order the bodies with mass sum their forces.
void SimState::AccelerateTestParticle(int k) {
    const int n = BodyCount;
    const auto pull = [this](int i, int j, int other) {
        const double g = GravConst * BodyMass(other) / PairDist(i, j) / PairDist(i, j);
        double gx = PairDx(i, j) == 0 ? 0.0 : std::cos(PairAngle(i, j)) * g;
        if (PairDx(i, j) < 0) gx = -gx;
        double gy = std::sin(PairAngle(i, j)) * g;
        if (PairDy(i, j) < 0) gy = -gy;
        return std::pair{gx, gy};
    };
    double ax = 0;
    double ay = 0;
    for (int j = 1; j < k; ++j) {
        if (PairDist(j, k) == 0) continue;
        const auto [gx, gy] = pull(j, k, j);
        ax = ax - gx;
        ay = ay - gy;
    }
    for (int j = k + 1; j <= n; ++j) {
        if (PairDist(k, j) == 0) continue;
        const auto [gx, gy] = pull(k, j, j);
        ax = ax + gx;
        ay = ay + gy;
    }
    DerivVec(state::Vx(k, n)) = ax;
    DerivVec(state::Vy(k, n)) = ay;
}

void SimState::NBodyDerivatives() {
    ClearFloatingPointStatus();
    const Integer n = BodyCount;

    for (LoopI = 1; LoopI <= n; LoopI = Add16(LoopI, 1)) {
        BodyX(LoopI) = StateVec(state::X(LoopI, n));
        BodyY(LoopI) = StateVec(state::Y(LoopI, n));
    }

    const Integer lastFirst = Add16(n, -1);
    for (LoopI = 1; LoopI <= lastFirst; LoopI = Add16(LoopI, 1)) {
        for (LoopJ = 2; LoopJ <= n; LoopJ = Add16(LoopJ, 1)) {
            if (LoopI < LoopJ) AcceleratePair(LoopI, LoopJ);
        }
        CheckFloatingPointStatus();
    }

    // The positions change with the velocities: the first two blocks take the last two.
    for (int k = 1; k <= 2 * n; ++k)
        DerivVec(k) = StateVec(k + 2 * n);

    // The force on body k: those from lower-numbered bodies (stored with k second) subtracted, those from
    // higher-numbered bodies added, left to right; divided by the mass once at the end.
    const auto acceleration = [this, n](const PairArray& force, int k) {
        double sum = 0;
        for (int j = 1; j < k; ++j)
            sum = sum - force(j, k);
        for (int j = k + 1; j <= n; ++j)
            sum = sum + force(k, j);
        return sum / BodyMass(k);
    };
    // A massless body would divide its zero force by its zero mass; the Sun always has a mass.
    const auto testParticle = [this](int k) { return k != Sun && BodyMass(k) == 0; };
    for (int k = 1; k <= n; ++k)
        if (!testParticle(k)) DerivVec(state::Vx(k, n)) = acceleration(PairFx, k);
    for (int k = 1; k <= n; ++k)
        if (!testParticle(k)) DerivVec(state::Vy(k, n)) = acceleration(PairFy, k);
    for (int k = 1; k <= n; ++k)
        if (testParticle(k)) AccelerateTestParticle(k);

    if (HoldsSun(Options.SunHeld)) {
        DerivVec(state::X(Sun, n)) = 0;
        DerivVec(state::Y(Sun, n)) = 0;
        DerivVec(state::Vx(Sun, n)) = 0;
        DerivVec(state::Vy(Sun, n)) = 0;
    }
    CheckFloatingPointStatus();
}

void SimState::OrbitDerivatives() {
    ClearFloatingPointStatus();
    const int b = LoopI;
    const double x = StateVec(1);
    const double y = StateVec(2);
    DerivVec(1) = StateVec(3);
    DerivVec(2) = StateVec(4);
    if (x == 0 && y == 0) throw RunTimeError({.code = ErrorCode::PlanetAtTheSun, .body = b});
    OrbitDist = std::sqrt(x * x + y * y);
    // A planet without mass is pulled all the same, as in the experiment: its force is taken per
    // kilogram, which leaves every planet with mass computed as before.
    const double pulledMass = BodyMass(b) == 0 ? 1 : BodyMass(b);
    OrbitForce = BodyMass(Sun) * pulledMass * GravConst / OrbitDist / OrbitDist;
    if (x == 0) {
        // On the y axis the force is straight along y.
        PairAngle(Sun, b) = std::numbers::pi / 2;
        OrbitFx = 0;
    } else {
        PairAngle(Sun, b) = std::fabs(std::atan(y / x));
        OrbitFx = OrbitForce * std::cos(PairAngle(Sun, b));
        if (x < 0) OrbitFx = -OrbitFx;
    }
    OrbitFy = OrbitForce * std::sin(PairAngle(Sun, b));
    if (y < 0) OrbitFy = -OrbitFy;
    DerivVec(3) = -OrbitFx / pulledMass;
    DerivVec(4) = -OrbitFy / pulledMass;
    CheckFloatingPointStatus();
}

} // namespace orvane
