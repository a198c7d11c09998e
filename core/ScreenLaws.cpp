#include "ScreenLaws.h"

#include "RunTimeError.h"
#include "SimState.h"
#include "StateLayout.h"
#include "Units.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane::laws {

namespace {

constexpr double MillionKmPerAu = AstronomicalUnitMetres / MetresPerMillionKm;

double Length(Vec2 v) {
    return std::hypot(v.x, v.y);
}

bool Inside(const ScreenArea& area, Vec2 p) {
    return p.x >= area.left && p.x < area.right && p.y > area.bottom && p.y <= area.top;
}

} // namespace

BodyMotion MotionOf(const SimState& run, const SimState& shared) {
    BodyMotion motion;
    const measure::RunSnapshot s = measure::SnapshotOf(run);
    // A free Sun: the frame in which the whole system's momentum is zero, as a class would draw it.
    double refVx = measure::SunVx(s), refVy = measure::SunVy(s);
    motion.centreOfMassFrame = !s.sunHeld;
    if (!s.sunHeld) {
        double mass = 0, px = 0, py = 0;
        for (int i = body::Sun; i <= body::Count; ++i) {
            mass += s.mass[i];
            px += s.mass[i] * s.vx[i];
            py += s.mass[i] * s.vy[i];
        }
        if (mass > 0) refVx = px / mass, refVy = py / mass;
    }
    for (int i = body::Sun; i <= body::Count; ++i) {
        motion.position[i] = {ToMillionKm(s.x[i], shared.LengthUnit), ToMillionKm(s.y[i], shared.LengthUnit)};
        const bool heldSun = i == body::Sun && s.sunHeld;
        motion.velocity[i] = heldSun ? Vec2{} : Vec2{s.vx[i] - refVx, s.vy[i] - refVy};
    }
    // The pull at the state as it stands, by the same derivative the run integrates, on a copy: the run's
    // own work arrays stay as its last step left them.
    SimState scratch = run;
    try {
        scratch.NBodyDerivatives();
        const int n = scratch.BodyCount;
        for (int i = body::Sun; i <= body::Count && i <= n; ++i)
            motion.acceleration[i] = {scratch.DerivVec(state::Vx(i, n)), scratch.DerivVec(state::Vy(i, n))};
        motion.accelerationKnown = true;
    } catch (const RunTimeError&) {
        motion.accelerationKnown = false;
    }
    return motion;
}

double RoundDown125(double value) {
    if (!(value > 0) || !std::isfinite(value)) return 0;
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    // A value a hair below a decade boundary by rounding still belongs to the decade above.
    const double mantissa = value / decade;
    if (mantissa >= 10 * (1 - 1e-12)) return 10 * decade;
    if (mantissa >= 5) return 5 * decade;
    if (mantissa >= 2) return 2 * decade;
    return decade;
}

ArrowSet Arrows(const BodyMotion& motion, ArrowKind kind, ScreenArea area) {
    ArrowSet set;
    if (kind == ArrowKind::Acceleration && !motion.accelerationKnown) return set;
    const double width = area.right - area.left;
    // km/s for velocities, m/s² for accelerations: the units the scale bar names.
    const double toUnit = kind == ArrowKind::Velocity ? 1e-3 : 1.0;
    const auto quantity = [&](int i) {
        const Vec2 v = kind == ArrowKind::Velocity ? motion.velocity[i] : motion.acceleration[i];
        return Vec2{v.x * toUnit, v.y * toUnit};
    };
    double longest = 0;
    for (int i = body::Sun; i <= body::Count; ++i)
        if (Inside(area, motion.position[i])) longest = std::max(longest, Length(quantity(i)));
    if (!(longest > 0) || !std::isfinite(longest) || !(width > 0)) return set;
    set.millionKmPerUnit = ArrowShareOfScreen * width / longest;
    set.barValue = RoundDown125(longest);
    set.barLength = set.barValue * set.millionKmPerUnit;
    for (int i = body::Sun; i <= body::Count; ++i) {
        const Vec2 q = quantity(i);
        const double magnitude = Length(q);
        if (!Inside(area, motion.position[i]) || magnitude == 0) continue;
        Arrow arrow;
        arrow.body = i;
        arrow.tail = motion.position[i];
        arrow.tip = {arrow.tail.x + q.x * set.millionKmPerUnit, arrow.tail.y + q.y * set.millionKmPerUnit};
        const double length = magnitude * set.millionKmPerUnit;
        arrow.head = length >= SmallestHeadedArrow * width;
        if (arrow.head) {
            // Two strokes back from the tip at 25° either side, a third of the arrow or 2.5 % of the screen.
            const double stroke = std::min(length / 3, 0.025 * width);
            const Vec2 back{-q.x / magnitude * stroke, -q.y / magnitude * stroke};
            const double c = std::cos(std::numbers::pi * 25 / 180), s = std::sin(std::numbers::pi * 25 / 180);
            arrow.headLeft = {arrow.tip.x + back.x * c - back.y * s, arrow.tip.y + back.x * s + back.y * c};
            arrow.headRight = {arrow.tip.x + back.x * c + back.y * s, arrow.tip.y - back.x * s + back.y * c};
        }
        set.arrows.push_back(arrow);
    }
    return set;
}

std::optional<OrbitShape> OrbitShapeOf(const SimState& run, const SimState& shared, int body) {
    const measure::RunSnapshot s = measure::SnapshotOf(run);
    if (body <= body::Sun || body > body::Count) return std::nullopt;
    const measure::OrbitAboutSun orbit = measure::OrbitOf(s, body);
    using measure::OrbitKind;
    if (!std::isfinite(orbit.eccentricity) || orbit.kind == OrbitKind::FallingIntoSun ||
        orbit.kind == OrbitKind::RisingAndFalling)
        return std::nullopt;
    const double mu = measure::SunPull(s, body);
    const double rx = s.x[body] - s.x[body::Sun], ry = s.y[body] - s.y[body::Sun];
    const double wx = s.vx[body] - measure::SunVx(s), wy = s.vy[body] - measure::SunVy(s);
    const double r = orbit.distance;
    const double h = rx * wy - ry * wx;
    // The eccentricity vector points from the Sun to the perihelion; a circle has none, and its
    // "perihelion" is taken where the body is.
    const double radial = rx * wx + ry * wy;
    const double ex = ((orbit.speed * orbit.speed - mu / r) * rx - radial * wx) / mu;
    const double ey = ((orbit.speed * orbit.speed - mu / r) * ry - radial * wy) / mu;
    const double eLength = std::hypot(ex, ey);
    const Vec2 u = eLength > 1e-12 ? Vec2{ex / eLength, ey / eLength} : Vec2{rx / r, ry / r};
    const Vec2 side{-u.y, u.x};
    const double e = orbit.eccentricity;
    const double p = h * h / mu; // metres
    const auto mkm = [&](double metres) { return ToMillionKm(metres, shared.LengthUnit); };

    OrbitShape shape;
    shape.kind = orbit.kind;
    shape.eccentricity = e;
    shape.semiLatusRectum = mkm(p);
    shape.sun = {mkm(s.x[body::Sun]), mkm(s.y[body::Sun])};
    shape.towardPerihelion = u;
    const auto along = [&](double metres) {
        return Vec2{shape.sun.x + u.x * mkm(metres), shape.sun.y + u.y * mkm(metres)};
    };
    shape.perihelion = along(p / (1 + e));
    const auto pointAt = [&](double nu) {
        const double radius = p / (1 + e * std::cos(nu));
        const double c = std::cos(nu) * radius, sn = std::sin(nu) * radius;
        return Vec2{shape.sun.x + mkm(u.x * c + side.x * sn), shape.sun.y + mkm(u.y * c + side.y * sn)};
    };
    constexpr int Points = 360;
    if (orbit.kind == OrbitKind::Bound && orbit.semiMajorAxis) {
        const double a = *orbit.semiMajorAxis;
        shape.semiMajorAxis = mkm(a);
        shape.semiMinorAxis = mkm(a * std::sqrt(1 - e * e));
        shape.centre = along(-a * e);
        shape.otherFocus = along(-2 * a * e);
        shape.aphelion = along(-a * (1 + e));
        shape.points.reserve(Points + 1);
        for (int k = 0; k <= Points; ++k)
            shape.points.push_back(pointAt(2 * std::numbers::pi * k / Points));
        return shape;
    }
    // An open orbit: the branch out to four times the body's distance or the perihelion's, whichever is
    // farther, enough to show it pass the Sun.
    const double reach = 4 * std::max(r, p / (1 + e));
    const double limit = std::acos(std::clamp((p / reach - 1) / e, -1.0, 1.0));
    shape.points.reserve(Points + 1);
    for (int k = 0; k <= Points; ++k)
        shape.points.push_back(pointAt(-limit + 2 * limit * k / Points));
    return shape;
}

double FanArea(const std::vector<Vec2>& vertices) {
    double twice = 0;
    for (std::size_t k = 1; k < vertices.size(); ++k)
        twice += vertices[k - 1].x * vertices[k].y - vertices[k].x * vertices[k - 1].y;
    return twice / 2;
}

void EqualAreas::Reset() {
    sectors_.clear();
    dropped_ = 0;
    stepsPerSector_ = 0;
    stepsInCurrent_ = 0;
}

void EqualAreas::Record(const SimState& run, int body) {
    const measure::RunSnapshot s = measure::SnapshotOf(run);
    if (body <= body::Sun || body > body::Count) return;
    const Vec2 place{s.x[body] - s.x[body::Sun], s.y[body] - s.y[body::Sun]};
    const double step = run.Options.TimeStep;
    if (stepsPerSector_ == 0) {
        if (!(step > 0)) return;
        const measure::OrbitAboutSun orbit = measure::OrbitOf(s, body);
        double seconds = 30 * SecondsPerDay;
        if (daysPerSector_ > 0)
            seconds = daysPerSector_ * SecondsPerDay;
        else if (orbit.keplerPeriod)
            seconds = *orbit.keplerPeriod / 12;
        stepsPerSector_ = std::max(1, static_cast<int>(std::lround(seconds / step)));
        sectors_.push_back({{place}, 0, false});
        stepsInCurrent_ = 0;
        return;
    }
    Sector& current = sectors_.back();
    const Vec2 last = current.vertices.back();
    current.vertices.push_back(place);
    current.area += (last.x * place.y - place.x * last.y) / 2;
    if (++stepsInCurrent_ < stepsPerSector_) return;
    current.complete = true;
    sectors_.push_back({{place}, 0, false});
    stepsInCurrent_ = 0;
    while (sectors_.size() > KeptSectors + 1) {
        sectors_.pop_front();
        ++dropped_;
    }
}

std::vector<double> EqualAreas::CompleteAreas() const {
    std::vector<double> areas;
    for (const Sector& sector : sectors_)
        if (sector.complete) areas.push_back(sector.area);
    return areas;
}

std::vector<double> SharesOfMean(const std::vector<double>& areas) {
    std::vector<double> shares;
    if (areas.empty()) return shares;
    double sum = 0;
    for (const double area : areas)
        sum += area;
    const double mean = sum / static_cast<double>(areas.size());
    for (const double area : areas)
        shares.push_back(mean != 0 ? area / mean : 0);
    return shares;
}

ThirdLaw ThirdLawFrom(const measure::RunSnapshot& s,
                      const std::array<std::optional<double>, body::Count + 1>& measured) {
    ThirdLaw law;
    const double year = DaysPerJulianYear * SecondsPerDay;
    const double mu = s.gravConst * s.mass[body::Sun];
    if (mu > 0)
        law.slope = 4 * std::numbers::pi * std::numbers::pi * std::pow(AstronomicalUnitMetres, 3) /
                    (mu * year * year);
    for (int b = body::Mercury; b <= body::Count; ++b) {
        const measure::OrbitAboutSun orbit = measure::OrbitOf(s, b);
        if (!orbit.semiMajorAxis || !orbit.keplerPeriod) continue;
        ThirdLawPoint point;
        point.body = b;
        point.aCubed = std::pow(*orbit.semiMajorAxis / AstronomicalUnitMetres, 3);
        point.measured = measured[static_cast<std::size_t>(b)].has_value();
        const double period = point.measured ? *measured[static_cast<std::size_t>(b)] : *orbit.keplerPeriod;
        point.tSquared = std::pow(period / year, 2);
        law.points.push_back(point);
    }
    return law;
}

Tape MeasureTape(Vec2 start, Vec2 end) {
    const double dx = end.x - start.x, dy = end.y - start.y;
    Tape tape;
    tape.millionKm = std::hypot(dx, dy);
    tape.astronomicalUnits = tape.millionKm / MillionKmPerAu;
    tape.angleDegrees = tape.millionKm > 0 ? std::atan2(dy, dx) * 180 / std::numbers::pi : 0;
    return tape;
}

GridSpacing GridSpacingFor(double width) {
    GridSpacing grid;
    const double au = RoundDown125(width / MillionKmPerAu / 4);
    if (au >= 0.1) {
        grid.value = au;
        grid.millionKm = au * MillionKmPerAu;
        return grid;
    }
    grid.inAstronomicalUnits = false;
    grid.value = RoundDown125(width / 4);
    grid.millionKm = grid.value;
    return grid;
}

namespace colors {
std::int32_t Velocity() {
    return RgbColor(190, 0, 190);
}
std::int32_t Acceleration() {
    return RgbColor(235, 110, 0);
}
std::int32_t Orbit() {
    return RgbColor(110, 110, 110);
}
std::int32_t SectorTint(std::size_t number) {
    return number % 2 == 0 ? RgbColor(255, 240, 190) : RgbColor(205, 230, 255);
}
std::int32_t Grid() {
    return RgbColor(215, 215, 215);
}
std::int32_t Tape() {
    return RgbColor(0, 0, 0);
}
} // namespace colors

namespace {

// Writes the shapes over those the overlay held at the last frame, keeping their points' storage: the
// same few dozen shapes are built again at every frame.
class Shapes {
  public:
    explicit Shapes(Overlay& out) : out_(out) {}
    ~Shapes() { out_.resize(used_); }
    Shapes(const Shapes&) = delete;
    Shapes& operator=(const Shapes&) = delete;

    OverlayShape& Add(OverlayShape::Kind kind, std::int32_t color) {
        if (used_ == out_.size()) out_.emplace_back();
        OverlayShape& shape = out_[used_++];
        shape.kind = kind;
        shape.color = color;
        shape.dashed = shape.behind = shape.standing = shape.backed = false;
        shape.xy.clear();
        shape.text.clear();
        return shape;
    }
    OverlayShape& Last() { return out_[used_ - 1]; }

  private:
    Overlay& out_;
    std::size_t used_ = 0;
};

OverlayShape& Add(Shapes& out, OverlayShape::Kind kind, std::int32_t color) {
    return out.Add(kind, color);
}

void Push(OverlayShape& shape, Vec2 p) {
    shape.xy.push_back(ToSingle(p.x));
    shape.xy.push_back(ToSingle(p.y));
}

void AddLine(Shapes& out, Vec2 a, Vec2 b, std::int32_t color, bool dashed = false) {
    OverlayShape& line = Add(out, OverlayShape::Kind::Polyline, color);
    line.dashed = dashed;
    Push(line, a);
    Push(line, b);
}

void AddDot(Shapes& out, Vec2 p, std::int32_t color) {
    Push(Add(out, OverlayShape::Kind::Dot, color), p);
}

void AddText(Shapes& out, Vec2 corner, const std::string& text, std::int32_t color) {
    OverlayShape& shape = Add(out, OverlayShape::Kind::Text, color);
    Push(shape, corner);
    shape.text = text;
}

// The scale bars' corner: the lower-left part of a screen a grid label would be written over. `top` is a
// height and `right` a place across, both in million km; no legend leaves them at the screen's edges.
struct LegendCorner {
    double top = 0;
    double right = 0;
};

void AddGrid(ScreenArea area, LegendCorner legend, const LawsWording& words, Shapes& out) {
    const double width = area.right - area.left, height = area.top - area.bottom;
    const GridSpacing grid = GridSpacingFor(width);
    if (!(grid.millionKm > 0)) return;
    const auto lines = [&](double from, double to, auto&& draw) {
        for (double k = std::ceil(from / grid.millionKm); k * grid.millionKm <= to; k += 1)
            draw(k);
    };
    lines(area.left, area.right, [&](double k) {
        const double x = k * grid.millionKm;
        OverlayShape& line = Add(out, OverlayShape::Kind::Polyline, colors::Grid());
        line.behind = true;
        Push(line, {x, area.bottom});
        Push(line, {x, area.top});
        // The labels along the bottom stand just under the lowest bar.
        if (x >= legend.right)
            AddText(out, {x + 0.005 * width, area.bottom + 0.04 * height}, words.GridLabel(grid, k),
                    colors::Orbit());
    });
    lines(area.bottom, area.top, [&](double k) {
        const double y = k * grid.millionKm;
        OverlayShape& line = Add(out, OverlayShape::Kind::Polyline, colors::Grid());
        line.behind = true;
        Push(line, {area.left, y});
        Push(line, {area.right, y});
        // A label hangs below its line by about a line of text, which the bars' words must not meet.
        if (k != 0 && y - 0.04 * height >= legend.top)
            AddText(out, {area.left + 0.005 * width, y - 0.005 * height}, words.GridLabel(grid, k),
                    colors::Orbit());
    });
}

void AddSectors(const EqualAreas& areas, Vec2 sun, double lengthUnit, Shapes& out) {
    std::size_t number = areas.FirstNumber();
    for (const EqualAreas::Sector& sector : areas.Sectors()) {
        if (sector.vertices.size() >= 2) {
            OverlayShape& fill = Add(out, OverlayShape::Kind::Fill, colors::SectorTint(number));
            fill.behind = true;
            Push(fill, sun);
            for (const Vec2& v : sector.vertices)
                Push(fill, {sun.x + ToMillionKm(v.x, lengthUnit), sun.y + ToMillionKm(v.y, lengthUnit)});
        }
        ++number;
    }
}

void AddOrbit(const OrbitShape& orbit, Shapes& out) {
    OverlayShape& curve = Add(out, OverlayShape::Kind::Polyline, colors::Orbit());
    curve.xy.reserve(2 * orbit.points.size());
    for (const Vec2& p : orbit.points)
        Push(curve, p);
    AddDot(out, orbit.perihelion, colors::Orbit());
    if (orbit.kind != measure::OrbitKind::Bound) return;
    AddLine(out, orbit.perihelion, orbit.aphelion, colors::Orbit(), true);
    const Vec2 side{-orbit.towardPerihelion.y * orbit.semiMinorAxis,
                    orbit.towardPerihelion.x * orbit.semiMinorAxis};
    AddLine(out, {orbit.centre.x - side.x, orbit.centre.y - side.y},
            {orbit.centre.x + side.x, orbit.centre.y + side.y}, colors::Orbit(), true);
    AddDot(out, orbit.aphelion, colors::Orbit());
    AddDot(out, orbit.centre, colors::Orbit());
    AddDot(out, orbit.otherFocus, colors::Orbit());
}

// Where the scale bars stand: their left end in from the screen's left edge, as a share of its width;
// as shares of its height, the first row's height above the bottom, the rows' spacing, and the height of
// a bar's words above it on the large screen.
constexpr double BarsLeftInset = 0.03;
constexpr double BarsFirstRow = 0.04;
constexpr double BarsRowSpacing(bool small) {
    return small ? 0.17 : 0.09;
}
constexpr double BarWordsAbove = 0.045;

// The corner the large screen's scale bars and their words take, one row for each kind with arrows.
LegendCorner LegendOf(const ArrowSet& velocities, const ArrowSet& accelerations, ScreenArea area) {
    const int rows = (velocities.arrows.empty() ? 0 : 1) + (accelerations.arrows.empty() ? 0 : 1);
    if (rows == 0) return {area.bottom, area.left};
    const double width = area.right - area.left, height = area.top - area.bottom;
    const double longestBar = std::max(velocities.arrows.empty() ? 0.0 : velocities.barLength,
                                       accelerations.arrows.empty() ? 0.0 : accelerations.barLength);
    return {area.bottom + (BarsFirstRow + BarsRowSpacing(false) * (rows - 1) + BarWordsAbove) * height,
            area.left + BarsLeftInset * width + longestBar};
}

// One kind's arrows and its scale bar, `row` bars up from the lower-left corner. On a small screen
// (`small`) the bar's words stand on a pale box just above it, the rows far enough apart for them: the
// words placed by the screen's height alone covered the bar and hid the trails there.
void AddArrows(const ArrowSet& set, const BodyMotion& motion, ArrowKind kind, ScreenArea area, int row,
               bool small, const LawsWording& words, Shapes& out) {
    if (set.arrows.empty()) return;
    const std::int32_t color = kind == ArrowKind::Velocity ? colors::Velocity() : colors::Acceleration();
    for (const Arrow& arrow : set.arrows) {
        OverlayShape& line = Add(out, OverlayShape::Kind::Polyline, color);
        if (arrow.head) Push(line, arrow.headLeft);
        Push(line, arrow.tip);
        if (arrow.head) Push(line, arrow.headRight);
        AddLine(out, arrow.tail, arrow.tip, color);
    }
    const double width = area.right - area.left, height = area.top - area.bottom;
    const Vec2 start{area.left + BarsLeftInset * width,
                     area.bottom + (BarsFirstRow + BarsRowSpacing(small) * row) * height};
    AddLine(out, start, {start.x + set.barLength, start.y}, color);
    AddLine(out, start, {start.x, start.y + 0.01 * height}, color);
    AddLine(out, {start.x + set.barLength, start.y}, {start.x + set.barLength, start.y + 0.01 * height},
            color);
    std::string text = kind == ArrowKind::Velocity ? words.VelocityBar(set.barValue, motion.centreOfMassFrame)
                                                   : words.AccelerationBar(set.barValue);
    if (!small) {
        AddText(out, {start.x, start.y + BarWordsAbove * height}, text, color);
        return;
    }
    AddText(out, {start.x, start.y + 0.015 * height}, text, color);
    out.Last().standing = out.Last().backed = true;
}

} // namespace

void BuildOverlay(const LawsChoice& choice, const BodyMotion& motion, const std::optional<OrbitShape>& orbit,
                  const EqualAreas& areas, const std::optional<TapeLine>& tape, ScreenArea area,
                  bool withGrid, double lengthUnit, const LawsWording& words, Overlay& overlay) {
    Shapes out(overlay);
    const bool small = !withGrid;
    ArrowSet velocities, accelerations;
    if (choice.velocity) velocities = Arrows(motion, ArrowKind::Velocity, area);
    if (choice.force) accelerations = Arrows(motion, ArrowKind::Acceleration, area);
    const int velocityRow = 0;
    const int forceRow = velocities.arrows.empty() ? 0 : 1;
    if (withGrid && choice.grid) AddGrid(area, LegendOf(velocities, accelerations, area), words, out);
    if (choice.areas) AddSectors(areas, motion.position[body::Sun], lengthUnit, out);
    if (choice.orbit && orbit) AddOrbit(*orbit, out);
    AddArrows(velocities, motion, ArrowKind::Velocity, area, velocityRow, small, words, out);
    AddArrows(accelerations, motion, ArrowKind::Acceleration, area, forceRow, small, words, out);
    if (tape) {
        const double width = area.right - area.left;
        AddLine(out, tape->start, tape->end, colors::Tape());
        AddDot(out, tape->start, colors::Tape());
        AddDot(out, tape->end, colors::Tape());
        AddText(out, {tape->end.x + 0.01 * width, tape->end.y},
                words.TapeLabel(MeasureTape(tape->start, tape->end)), colors::Tape());
    }
}

} // namespace orvane::laws
