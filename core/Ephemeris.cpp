#include "Ephemeris.h"

#include "RunTimeError.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace orvane {

namespace {

struct ElementRow {
    OrbitalElements atJ2000;
    OrbitalElements perCentury;
};

// Mercury to Pluto in the program's body order; the Earth's row is the Earth–Moon barycentre's.
constexpr std::array<ElementRow, 9> Table{{
    {{0.38709927, 0.20563593, 7.00497902, 252.25032350, 77.45779628, 48.33076593},
     {0.00000037, 0.00001906, -0.00594749, 149472.67411175, 0.16047689, -0.12534081}},
    {{0.72333566, 0.00677672, 3.39467605, 181.97909950, 131.60246718, 76.67984255},
     {0.00000390, -0.00004107, -0.00078890, 58517.81538729, 0.00268329, -0.27769418}},
    {{1.00000261, 0.01671123, -0.00001531, 100.46457166, 102.93768193, 0.0},
     {0.00000562, -0.00004392, -0.01294668, 35999.37244981, 0.32327364, 0.0}},
    {{1.52371034, 0.09339410, 1.84969142, -4.55343205, -23.94362959, 49.55953891},
     {0.00001847, 0.00007882, -0.00813131, 19140.30268499, 0.44441088, -0.29257343}},
    {{5.20288700, 0.04838624, 1.30439695, 34.39644051, 14.72847983, 100.47390909},
     {-0.00011607, -0.00013253, -0.00183714, 3034.74612775, 0.21252668, 0.20469106}},
    {{9.53667594, 0.05386179, 2.48599187, 49.95424423, 92.59887831, 113.66242448},
     {-0.00125060, -0.00050991, 0.00193609, 1222.49362201, -0.41897216, -0.28867794}},
    {{19.18916464, 0.04725744, 0.77263783, 313.23810451, 170.95427630, 74.01692503},
     {-0.00196176, -0.00004397, -0.00242939, 428.48202785, 0.40805281, 0.04240589}},
    {{30.06992276, 0.00859048, 1.77004347, -55.12002969, 44.96476227, 131.78422574},
     {0.00026291, 0.00005105, 0.00035372, 218.45945325, -0.32241464, -0.00508664}},
    {{39.48211675, 0.24882730, 17.14001206, 238.92903833, 224.06891629, 110.30393684},
     {-0.00031596, 0.00005170, 0.00004818, 145.20780515, -0.04062942, -0.01183482}},
}};

constexpr double JulianDateJ2000 = 2451545.0; // 1 January 2000, 12 h
constexpr double DaysPerCentury = 36525;
constexpr double Radian = 180 / std::numbers::pi;

double ToRadians(double degrees) {
    return degrees / Radian;
}

// An angle brought into [-180, 180) degrees.
double Centred(double degrees) {
    return degrees - 360 * std::floor((degrees + 180) / 360);
}

double FullTurn(double degrees) {
    const double turned = degrees - 360 * std::floor(degrees / 360);
    return turned >= 360 ? 0 : turned;
}

const ElementRow& RowOf(int body) {
    if (body < 2 || body > 10) throw RunTimeError({.code = ErrorCode::NotAPlanet, .body = body});
    return Table[static_cast<std::size_t>(body - 2)];
}

// Position and velocity within the orbit's own plane, x' towards perihelion, in units of a and a per unit
// of mean motion.
struct InPlane {
    double x, y, vx, vy;
};

InPlane OnOrbit(const OrbitalElements& elements) {
    const double e = elements.eccentricity;
    const double meanAnomaly = Centred(elements.meanLongitudeDeg - elements.perihelionLongitudeDeg);
    const double anomaly = ToRadians(SolveKepler(meanAnomaly, e));
    const double rootOneMinusE2 = std::sqrt(1 - e * e);
    const double rate = 1 / (1 - e * std::cos(anomaly)); // dE/dM
    return {std::cos(anomaly) - e, rootOneMinusE2 * std::sin(anomaly), -std::sin(anomaly) * rate,
            rootOneMinusE2 * std::cos(anomaly) * rate};
}

} // namespace

bool EphemerisCovers(double julianDate) {
    static const double first = JulianDateAtMidnight(FirstEphemerisDate);
    static const double end = JulianDateAtMidnight(LastEphemerisDate) + 1;
    return julianDate >= first && julianDate < end;
}

bool EphemerisCovers(const CalendarDate& date) {
    return IsValidDate(date) && EphemerisCovers(JulianDateAtMidnight(date));
}

OrbitalElements PlanetElements(int body, double julianDate) {
    const ElementRow& row = RowOf(body);
    const double t = (julianDate - JulianDateJ2000) / DaysPerCentury;
    const auto at = [t](double value, double rate) { return value + rate * t; };
    return {at(row.atJ2000.semiMajorAxisAu, row.perCentury.semiMajorAxisAu),
            at(row.atJ2000.eccentricity, row.perCentury.eccentricity),
            at(row.atJ2000.inclinationDeg, row.perCentury.inclinationDeg),
            at(row.atJ2000.meanLongitudeDeg, row.perCentury.meanLongitudeDeg),
            at(row.atJ2000.perihelionLongitudeDeg, row.perCentury.perihelionLongitudeDeg),
            at(row.atJ2000.nodeLongitudeDeg, row.perCentury.nodeLongitudeDeg)};
}

// Newton's method from the published starting value E0 = M + e sin M; the published tolerance of 1e-6
// degrees is tightened to what a double carries, so a velocity derived from E stays smooth.
double SolveKepler(double meanAnomalyDeg, double eccentricity) {
    const double m = ToRadians(meanAnomalyDeg);
    double anomaly = m + eccentricity * std::sin(m);
    for (int iteration = 0; iteration < 50; ++iteration) {
        const double step =
            (m - (anomaly - eccentricity * std::sin(anomaly))) / (1 - eccentricity * std::cos(anomaly));
        anomaly += step;
        if (std::fabs(step) <= 1e-14) break;
    }
    return anomaly * Radian;
}

EclipticPoint HeliocentricPosition(int body, double julianDate) {
    const OrbitalElements el = PlanetElements(body, julianDate);
    const InPlane p = OnOrbit(el);
    const double a = el.semiMajorAxisAu;
    const double xp = a * p.x, yp = a * p.y;
    const double w = ToRadians(el.perihelionLongitudeDeg - el.nodeLongitudeDeg);
    const double node = ToRadians(el.nodeLongitudeDeg);
    const double incl = ToRadians(el.inclinationDeg);
    const double cw = std::cos(w), sw = std::sin(w), cn = std::cos(node), sn = std::sin(node);
    const double ci = std::cos(incl), si = std::sin(incl);
    return {(cw * cn - sw * sn * ci) * xp + (-sw * cn - cw * sn * ci) * yp,
            (cw * sn + sw * cn * ci) * xp + (-sw * sn + cw * cn * ci) * yp, (sw * si) * xp + (cw * si) * yp};
}

double HeliocentricLongitudeDeg(int body, double julianDate) {
    const EclipticPoint p = HeliocentricPosition(body, julianDate);
    return FullTurn(std::atan2(p.y, p.x) * Radian);
}

PlanarState PlanarStateOnDate(int body, double julianDate, double mu) {
    const OrbitalElements el = PlanetElements(body, julianDate);
    const InPlane p = OnOrbit(el);
    const double a = el.semiMajorAxisAu * AstronomicalUnitMetres;
    const double meanMotion = std::sqrt(mu / (a * a * a)); // dM/dt in radians per second
    const double turn = ToRadians(el.perihelionLongitudeDeg);
    const double c = std::cos(turn), s = std::sin(turn);
    PlanarState state;
    state.x = a * (c * p.x - s * p.y);
    state.y = a * (s * p.x + c * p.y);
    state.vx = a * meanMotion * (c * p.vx - s * p.vy);
    state.vy = a * meanMotion * (s * p.vx + c * p.vy);
    state.angleDeg = FullTurn(std::atan2(state.y, state.x) * Radian);
    return state;
}

} // namespace orvane
