// Works out the starting positions and velocities of the experiments prepared for lessons from the
// program's own constants (its G, its masses, its length unit) and writes their parameter files:
//   orvane_make_experiments <folder>     (lessons/experiments in the source tree)
// Positions are written in whole thousands of kilometres, as the table shows them, and velocities to the
// millimetre per second: the Sun's few metres per second that keep the centre of mass at rest would be
// spoilt by whole ones.
#include "Bodies.h"
#include "BodyTableRows.h"
#include "DefaultData.h"
#include "ParameterFile.h"
#include "SimState.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>

namespace orvane {
namespace {

constexpr double Pi = std::numbers::pi;
// The astronomical unit in metres.
constexpr double AU = 1.495978707e11;

struct Vec {
    double x = 0, y = 0;
};
Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
Vec operator*(double k, Vec a) {
    return {k * a.x, k * a.y};
}
Vec Rotated(Vec a, double angle) {
    return {a.x * std::cos(angle) - a.y * std::sin(angle), a.x * std::sin(angle) + a.y * std::cos(angle)};
}
Vec Polar(double r, double angle) {
    return {r * std::cos(angle), r * std::sin(angle)};
}
double Length(Vec a) {
    return std::hypot(a.x, a.y);
}

Vec Position(const SimState& s, int b) {
    return {s.BodyX(b), s.BodyY(b)};
}
Vec Velocity(const SimState& s, int b) {
    return {s.BodyVx(b), s.BodyVy(b)};
}
void Place(SimState& s, int b, Vec r, Vec v) {
    s.BodyX(b) = r.x;
    s.BodyY(b) = r.y;
    s.BodyVx(b) = v.x;
    s.BodyVy(b) = v.y;
    // The angle the table shows: the polar angle of the position seen from the origin, 0 to 360.
    double degrees = std::atan2(r.y, r.x) * 180 / Pi;
    if (degrees < 0) degrees += 360;
    s.PlanetAngle(b) = b == body::Sun || b == body::Asteroid ? 0 : std::round(degrees * 1000) / 1000;
}
double Mass(const SimState& s, int b) {
    return s.EarthMass * s.BodyMassPct(b) / 100;
}
double SunGM(const SimState& s) {
    return s.GravConst * Mass(s, body::Sun);
}

// The Sun's velocity that leaves the momentum of all bodies at zero, so the centre of mass stays put.
Vec SunVelocityAtRestCentre(const SimState& s) {
    Vec momentum;
    for (int b = body::Mercury; b <= body::Asteroid; ++b)
        momentum = momentum + Mass(s, b) * Velocity(s, b);
    return (-1.0 / Mass(s, body::Sun)) * momentum;
}

SimState Startup() {
    SimState s;
    s.AssignStartupValues();
    return s;
}

std::string Number(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string shown = text;
    if (shown.find('.') != std::string::npos) {
        while (shown.back() == '0')
            shown.pop_back();
        if (shown.back() == '.') shown.pop_back();
    }
    return shown == "-0" ? "0" : shown;
}

void Write(const std::string& folder, const char* name, SimState& s) {
    const ParameterRows rows = RowsFromBodyTable(s);
    std::ofstream file(folder + "/" + name, std::ios::binary);
    for (const ParameterRow& row : rows)
        file << Number(row.angle, 3) << ' ' << Number(row.x, 0) << ' ' << Number(row.y, 0) << ' '
             << Number(row.vx, 3) << ' ' << Number(row.vy, 3) << "\r\n";
    std::printf("%s masses =", name);
    for (int b = 1; b <= body::Count; ++b)
        std::printf(" %s", Number(s.BodyMassPct(b), 6).c_str());
    std::printf("\n");
}

// The planets on 1.1.2000 and a massless asteroid where the default one starts.
void SolarSystem2000(const std::string& folder) {
    SimState s = Startup();
    s.LoadEpochData();
    s.BodyMassPct(body::Asteroid) = 0;
    Write(folder, "01-solar-system-2000.dat", s);
}

void HeavyAsteroid(const std::string& folder) {
    SimState s = Startup();
    Write(folder, "02-heavy-asteroid.dat", s);
}

// Jupiter with 30 % of the Sun's mass. The pair circles its centre of mass, which lies at the origin and
// stays at rest: the relative velocity is that of a circle, sqrt(G (M + m) / d), perpendicular to the
// line between them; the inner planets keep their orbits about the Sun and move along with it; the
// outer planets keep their velocities about the origin.
void BinaryStar(const std::string& folder) {
    SimState s = Startup();
    s.BodyMassPct(body::Jupiter) = 0.3 * s.BodyMassPct(body::Sun);
    s.BodyMassPct(body::Asteroid) = 0;
    const double m = Mass(s, body::Jupiter);
    const double total = Mass(s, body::Sun) + m;
    const Vec d = Position(s, body::Jupiter);
    const Vec u = std::sqrt(s.GravConst * total / Length(d)) * Rotated((1 / Length(d)) * d, Pi / 2);

    // Momentum zero: M vS + m (vS + u) + sum inner mi (vS + wi) + sum outer mk vk = 0.
    Vec momentum = m * u;
    double moving = total;
    for (int b = body::Mercury; b <= body::Pluto; ++b) {
        if (b == body::Jupiter) continue;
        momentum = momentum + Mass(s, b) * Velocity(s, b);
        if (b <= body::Mars) moving += Mass(s, b);
    }
    const Vec vSun = (-1 / moving) * momentum;
    // The centre of mass of the Sun, Jupiter and the inner planets (which stay with the Sun) at the origin.
    Vec weighted = m * d;
    for (int b = body::Mercury; b <= body::Mars; ++b)
        weighted = weighted + Mass(s, b) * Position(s, b);
    const Vec shift = (-1 / moving) * weighted;

    Place(s, body::Sun, shift, vSun);
    Place(s, body::Jupiter, d + shift, vSun + u);
    for (int b = body::Mercury; b <= body::Mars; ++b)
        Place(s, b, Position(s, b) + shift, Velocity(s, b) + vSun);
    std::printf("binary: Sun at %.0f km from the centre, %.3f m/s; Jupiter %.3f m/s\n", Length(shift) / 1e3,
                Length(vSun), Length(vSun + u));
    Write(folder, "03-binary-star.dat", s);
}

// A massless asteroid at Jupiter's L4 point: the Sun's state plus Jupiter's state relative to the Sun
// turned by 60 degrees forward, an equilateral triangle that Lagrange's solution keeps. The Sun gets the
// velocity that keeps the centre of mass at rest.
void Trojan(const std::string& folder) {
    SimState s = Startup();
    s.BodyMassPct(body::Asteroid) = 0;
    const Vec vSun = SunVelocityAtRestCentre(s);
    Place(s, body::Sun, {}, vSun);
    const Vec r = Position(s, body::Jupiter);
    const Vec v = Velocity(s, body::Jupiter) - vSun;
    Place(s, body::Asteroid, Rotated(r, Pi / 3), vSun + Rotated(v, Pi / 3));
    std::printf("trojan: Sun %.4f %.4f m/s\n", vSun.x, vSun.y);
    Write(folder, "04-trojan.dat", s);
}

// A massless asteroid at 1 AU on the ellipse that touches the circles of 1 AU and 1.524 AU (Mars's mean
// distance), started at perihelion 10 degrees ahead of the Earth; Mars on its circle so that it passes
// the meeting point one degree ahead of the asteroid.
void Hohmann(const std::string& folder) {
    SimState s = Startup();
    s.BodyMassPct(body::Asteroid) = 0;
    const double gm = SunGM(s);
    const double r1 = AU;
    const double r2 = 1.524 * AU;
    const double a = (r1 + r2) / 2;
    const double halfPeriod = Pi * std::sqrt(a * a * a / gm);
    const double start = std::atan2(s.BodyY(body::Earth), s.BodyX(body::Earth)) + 10 * Pi / 180;
    const double vPerihelion = std::sqrt(gm * (2 / r1 - 1 / a));
    Place(s, body::Asteroid, Polar(r1, start), Polar(vPerihelion, start + Pi / 2));

    const double gmMars = s.GravConst * (Mass(s, body::Sun) + Mass(s, body::Mars));
    const double omegaMars = std::sqrt(gmMars / (r2 * r2 * r2));
    const double marsAngle = start + Pi - omegaMars * halfPeriod + Pi / 180;
    Place(s, body::Mars, Polar(r2, marsAngle), Polar(std::sqrt(gmMars / r2), marsAngle + Pi / 2));
    std::printf("hohmann: half period %.3f days, perihelion speed %.3f m/s, Mars %.3f deg ahead\n",
                halfPeriod / 86400, vPerihelion, (marsAngle - start) * 180 / Pi);
    Write(folder, "05-hohmann-mars.dat", s);
}

// A massless comet on an orbit like Halley's: perihelion 0.59 AU, aphelion 35 AU; it starts inbound at
// 3 AU, half a year before perihelion. The perihelion points to 135 degrees, where the planets' pulls
// change its first two periods least (by 1 to 1.5 %; towards 225 degrees Jupiter would stretch the second
// one by 40 %).
void Comet(const std::string& folder) {
    SimState s = Startup();
    s.BodyMassPct(body::Asteroid) = 0;
    const double gm = SunGM(s);
    const double q = 0.59 * AU;
    const double Q = 35 * AU;
    const double a = (q + Q) / 2;
    const double e = (Q - q) / (Q + q);
    const double p = a * (1 - e * e);
    const double r0 = 3 * AU;
    const double f = -std::acos((p / r0 - 1) / e); // inbound: before perihelion
    const double perihelion = 3 * Pi / 4;
    const double k = std::sqrt(gm / p);
    const Vec radial = Polar(1, perihelion + f);
    const Vec along = Rotated(radial, Pi / 2);
    const Vec v = (k * e * std::sin(f)) * radial + (k * (1 + e * std::cos(f))) * along;
    Place(s, body::Asteroid, r0 * radial, v);
    std::printf("comet: a %.4f AU, e %.5f, Kepler period %.4f years\n", a / AU, e,
                2 * Pi * std::sqrt(a * a * a / gm) / 86400 / 365.25);
    Write(folder, "06-comet.dat", s);
}

void EarthStopped(const std::string& folder) {
    SimState s = Startup();
    s.BodyMassPct(body::Asteroid) = 0;
    s.BodyVx(body::Earth) = 0;
    s.BodyVy(body::Earth) = 0;
    const double r0 = Length(Position(s, body::Earth));
    const double gm = s.GravConst * (Mass(s, body::Sun) + Mass(s, body::Earth));
    std::printf("earth stopped: free fall %.4f days\n", Pi * std::sqrt(r0 * r0 * r0 / (8 * gm)) / 86400);
    Write(folder, "07-earth-stopped.dat", s);
}

// A massless asteroid at 1 AU, a quarter turn ahead of the Earth, moving along its circle's direction
// with 1.05 times the escape speed sqrt(2 G M / r).
void Escape(const std::string& folder) {
    SimState s = Startup();
    s.BodyMassPct(body::Asteroid) = 0;
    const double gm = SunGM(s);
    const double angle = std::atan2(s.BodyY(body::Earth), s.BodyX(body::Earth)) + Pi / 2;
    const double speed = 1.05 * std::sqrt(2 * gm / AU);
    Place(s, body::Asteroid, Polar(AU, angle), Polar(speed, angle + Pi / 2));
    std::printf("escape: %.3f m/s\n", speed);
    Write(folder, "08-escape-speed.dat", s);
}

// The default planets with a massless asteroid, the Sun given the velocity that keeps the centre of mass
// at rest.
void SunReleased(const std::string& folder) {
    SimState s = Startup();
    s.BodyMassPct(body::Asteroid) = 0;
    const Vec vSun = SunVelocityAtRestCentre(s);
    Place(s, body::Sun, {}, vSun);
    std::printf("sun released: Sun %.4f %.4f m/s\n", vSun.x, vSun.y);
    Write(folder, "09-sun-released.dat", s);
}

} // namespace
} // namespace orvane

int main(int argc, char* argv[]) {
    const std::string folder = argc > 1 ? argv[1] : "lessons/experiments";
    orvane::SolarSystem2000(folder);
    orvane::HeavyAsteroid(folder);
    orvane::BinaryStar(folder);
    orvane::Trojan(folder);
    orvane::Hohmann(folder);
    orvane::Comet(folder);
    orvane::EarthStopped(folder);
    orvane::Escape(folder);
    orvane::SunReleased(folder);
    return 0;
}
