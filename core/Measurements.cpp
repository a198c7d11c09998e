#include "Measurements.h"

#include "Bodies.h"
#include "SimState.h"
#include "StateLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace orvane::measure {

namespace {
// The derivative never lets Neptune and Pluto attract each other from closer than this; below it their
// force keeps the magnitude it has at this distance, so their potential grows linearly there.
using body::Neptune;
using body::Pluto;

double PairPotential(const RunSnapshot& s, int i, int j) {
    const double product = s.gravConst * s.mass[i] * s.mass[j];
    if (product == 0) return 0;
    const double dx = s.x[j] - s.x[i];
    const double dy = s.y[j] - s.y[i];
    const double r = std::sqrt(dx * dx + dy * dy);
    if (i == Neptune && j == Pluto && r < NeptunePlutoMinDist)
        return -product / NeptunePlutoMinDist +
               product * (r - NeptunePlutoMinDist) / (NeptunePlutoMinDist * NeptunePlutoMinDist);
    if (r == 0) return 0; // the derivative lets two bodies in one place exert no force on each other
    return -product / r;
}
} // namespace

RunSnapshot SnapshotOf(const SimState& run) {
    RunSnapshot s;
    const int n = run.BodyCount;
    s.time = run.SimTime;
    s.elapsedDays = run.ElapsedDays;
    s.elapsedYears = run.ElapsedYears;
    s.elapsedDaysRem = run.ElapsedDaysRem;
    s.gravConst = run.GravConst;
    s.sunHeld = HoldsSun(run.Options.SunHeld);
    s.method = run.Options.Method;
    s.dataSetDate = run.DataSetDate;
    for (int i = 1; i <= body::Count && i <= n; ++i) {
        s.x[i] = run.StateVec(state::X(i, n));
        s.y[i] = run.StateVec(state::Y(i, n));
        s.vx[i] = run.StateVec(state::Vx(i, n));
        s.vy[i] = run.StateVec(state::Vy(i, n));
        s.mass[i] = run.BodyMass(i);
    }
    return s;
}

double SunVx(const RunSnapshot& s) {
    return s.sunHeld ? 0.0 : s.vx[body::Sun];
}
double SunVy(const RunSnapshot& s) {
    return s.sunHeld ? 0.0 : s.vy[body::Sun];
}

double SunPull(const RunSnapshot& s, int body) {
    const double attracting = s.sunHeld ? s.mass[body::Sun] : s.mass[body::Sun] + s.mass[body];
    return s.gravConst * attracting;
}

double DistanceFromSun(const PerBody& x, const PerBody& y, int body) {
    const double rx = x[body] - x[body::Sun];
    const double ry = y[body] - y[body::Sun];
    return std::sqrt(rx * rx + ry * ry);
}

OrbitAboutSun OrbitOf(const RunSnapshot& s, int body) {
    OrbitAboutSun orbit;
    const double rx = s.x[body] - s.x[body::Sun];
    const double ry = s.y[body] - s.y[body::Sun];
    const double wx = s.vx[body] - SunVx(s);
    const double wy = s.vy[body] - SunVy(s);
    orbit.distance = DistanceFromSun(s.x, s.y, body);
    orbit.speed = std::sqrt(wx * wx + wy * wy);
    orbit.polarAngleRad = PolarAngleAboutSun(s, body);
    const double mu = SunPull(s, body);
    if (orbit.distance == 0 || !(mu > 0)) {
        orbit.eccentricity = std::numeric_limits<double>::infinity();
        return orbit;
    }
    orbit.radialVelocity = (rx * wx + ry * wy) / orbit.distance;
    // Specific orbital energy and angular momentum fix the conic: a = -mu / (2 eps),
    // e = sqrt(1 + 2 eps h^2 / mu^2).
    const double energy = orbit.speed * orbit.speed / 2 - mu / orbit.distance;
    const double h = rx * wy - ry * wx;
    orbit.eccentricity = std::sqrt(std::max(0.0, 1 + 2 * energy * h * h / (mu * mu)));
    if (energy < 0 && orbit.eccentricity < 1) {
        const double a = -mu / (2 * energy);
        orbit.kind = OrbitKind::Bound;
        orbit.semiMajorAxis = a;
        orbit.keplerPeriod = 2 * std::numbers::pi * std::sqrt(a * a * a / mu);
    } else if (energy < 0 || (h == 0 && orbit.radialVelocity <= 0)) {
        // No sideways velocity: the conic has shrunk to a line through the Sun (e = 1).
        orbit.kind = orbit.radialVelocity > 0 ? OrbitKind::RisingAndFalling : OrbitKind::FallingIntoSun;
    } else {
        orbit.kind = orbit.radialVelocity < 0 ? OrbitKind::Approaching : OrbitKind::Receding;
    }
    return orbit;
}

Conservation ConservedQuantities(const RunSnapshot& s) {
    Conservation c;
    const int first = s.sunHeld ? body::Sun + 1 : body::Sun;
    const double originX = s.sunHeld ? s.x[body::Sun] : 0.0;
    const double originY = s.sunHeld ? s.y[body::Sun] : 0.0;
    for (int i = first; i <= body::Count; ++i) {
        const double m = s.mass[i];
        c.kinetic += m * (s.vx[i] * s.vx[i] + s.vy[i] * s.vy[i]) / 2;
        c.angularMomentum += m * ((s.x[i] - originX) * s.vy[i] - (s.y[i] - originY) * s.vx[i]);
    }
    for (int i = body::Sun; i < body::Count; ++i)
        for (int j = i + 1; j <= body::Count; ++j)
            c.potential += PairPotential(s, i, j);
    c.total = c.kinetic + c.potential;

    double mass = 0;
    for (int i = body::Sun; i <= body::Count; ++i) {
        const double m = s.mass[i];
        const double vx = i == body::Sun ? SunVx(s) : s.vx[i];
        const double vy = i == body::Sun ? SunVy(s) : s.vy[i];
        mass += m;
        c.centreX += m * s.x[i];
        c.centreY += m * s.y[i];
        c.centreVx += m * vx;
        c.centreVy += m * vy;
    }
    if (mass > 0) {
        c.centreX /= mass;
        c.centreY /= mass;
        c.centreVx /= mass;
        c.centreVy /= mass;
    }
    return c;
}

double PolarAngleAboutSun(const RunSnapshot& s, int body) {
    return std::atan2(s.y[body] - s.y[body::Sun], s.x[body] - s.x[body::Sun]);
}

std::optional<double> RelativeChange(double start, double now) {
    if (start == 0) return std::nullopt;
    return std::abs((now - start) / start);
}

double DegreesFrom0To360(double radians) {
    const double degrees = radians * 180 / std::numbers::pi;
    if (degrees < 0) return degrees + 360 >= 360 ? 0 : degrees + 360;
    return degrees;
}

} // namespace orvane::measure
