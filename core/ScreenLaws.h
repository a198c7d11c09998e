#pragma once

#include "BodyLabels.h"
#include "DrawingSurface.h"
#include "Measurements.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

class DrawingSurface;

// The laws drawn over the experiment's screens — velocity and force arrows, a body's osculating orbit,
// the equal areas it sweeps, a measuring tape and a grid — worked out here as numbers; the screens only
// draw the shapes this computes.
namespace laws {

struct Vec2 {
    double x = 0;
    double y = 0;
};

// The two kinds of arrow, each with one scale for all bodies.
enum class ArrowKind { Velocity, Acceleration };

// Each body's velocity and acceleration as the arrows show them (index 1..11, SI units). Velocities are
// relative to the Sun while it is held and to the centre of mass of all eleven bodies while it is free;
// accelerations are those the simulation's N-body derivative gives at the current state.
struct BodyMotion {
    std::array<Vec2, body::Count + 1> position{};     // million km, as the screens plot
    std::array<Vec2, body::Count + 1> velocity{};     // m/s
    std::array<Vec2, body::Count + 1> acceleration{}; // m/s²
    bool accelerationKnown = false;                   // false when the derivative could not be evaluated
    bool centreOfMassFrame = false; // the Sun free: velocities relative to the centre of mass
};
BodyMotion MotionOf(const SimState& run, const SimState& shared);

// One body's arrow on a screen, in the screen's coordinates (million km).
struct Arrow {
    int body = 0;
    Vec2 tail;
    Vec2 tip;
    bool head = false; // too short an arrow gets none: its direction could not be read from it
    Vec2 headLeft;     // the two ends of the head's strokes, drawn from the tip
    Vec2 headRight;
};

// The arrows of one kind for the bodies inside `area`, the longest a fifth of the screen's width, and
// the scale bar that says what a length means: `barValue` (km/s or m/s², a round 1, 2 or 5 × 10^k) is
// drawn `barLength` million km long.
struct ArrowSet {
    std::vector<Arrow> arrows;
    double millionKmPerUnit = 0; // of the arrow's quantity in km/s or m/s²
    double barValue = 0;
    double barLength = 0;
};
inline constexpr double ArrowShareOfScreen = 0.2;
// An arrow shorter than this share of the screen's width has no head.
inline constexpr double SmallestHeadedArrow = 0.02;
ArrowSet Arrows(const BodyMotion& motion, ArrowKind kind, ScreenArea area);

// The osculating conic of one body about the Sun, with a and e exactly as the measurements window
// computes them (measure::OrbitOf) and the Sun's mode's mu; lengths in million km, screen coordinates.
struct OrbitShape {
    measure::OrbitKind kind = measure::OrbitKind::Receding;
    double eccentricity = 0;
    double semiMajorAxis = 0; // only for a bound orbit
    double semiMinorAxis = 0;
    double semiLatusRectum = 0;
    Vec2 sun;                 // the focus the body moves about
    Vec2 otherFocus;          // bound orbit only
    Vec2 centre;              // bound orbit only
    Vec2 perihelion;          // always, but for a fall straight onto the Sun
    Vec2 aphelion;            // bound orbit only
    Vec2 towardPerihelion;    // unit vector from the Sun
    std::vector<Vec2> points; // the curve as a polyline: closed for an ellipse, the branch near the Sun else
};
// None for a body without an orbit (at the Sun's place, or on a line through it).
std::optional<OrbitShape> OrbitShapeOf(const SimState& run, const SimState& shared, int body);

// The areas a body's line from the Sun sweeps in equal times. Each sector is a whole number of steps of
// the run: the number nearest a twelfth of the Kepler period when the orbit is bound where recording
// begins, else 30 days' worth. The newest `KeptSectors` are kept, the one being swept among them.
class EqualAreas {
  public:
    static constexpr std::size_t KeptSectors = 12;
    struct Sector {
        std::vector<Vec2> vertices; // the body's places relative to the Sun, metres, one per step
        double area = 0;            // m², the fan of triangles from the Sun through the vertices
        bool complete = false;
    };

    // Forgets every sector (a new start, another body, a write-back).
    void Reset();
    // After each step: the body's place relative to the Sun joins the current sector.
    void Record(const SimState& run, int body);
    // Steps per sector, fixed when recording begins (0 before).
    int StepsPerSector() const { return stepsPerSector_; }
    // Overrides the choice: a fixed number of days per sector (whole steps nearest it); 0 for the default.
    void SetDaysPerSector(double days) { daysPerSector_ = days; }
    const std::deque<Sector>& Sectors() const { return sectors_; }
    // The number of the oldest kept sector since recording began: the tints alternate by it.
    std::size_t FirstNumber() const { return dropped_; }
    // The complete sectors' areas, oldest first, and their mean.
    std::vector<double> CompleteAreas() const;

  private:
    std::deque<Sector> sectors_;
    int stepsPerSector_ = 0;
    int stepsInCurrent_ = 0;
    double daysPerSector_ = 0;
    std::size_t dropped_ = 0;
};

// The area of a fan of triangles from the origin through the vertices in order (positive
// counter-clockwise).
double FanArea(const std::vector<Vec2>& vertices);

// Each complete sector's share of their mean area, in the order given; empty when there are none.
std::vector<double> SharesOfMean(const std::vector<double>& areas);

// Kepler's third law: each bound planet's (and the asteroid's) period squared against its semi-major
// axis cubed, in years² and AU³, with the period measured by the run where it has been, else Kepler's.
struct ThirdLawPoint {
    int body = 0;
    double aCubed = 0;   // AU³
    double tSquared = 0; // years² (Julian years)
    bool measured = false;
};
struct ThirdLaw {
    std::vector<ThirdLawPoint> points;
    // The line T² = slope · a³ for the Sun's pull alone, mu = G M_Sun: 4π² AU³ / (mu yr²).
    double slope = 0;
};
// `measured` holds a body's period in seconds where the run has measured one.
ThirdLaw ThirdLawFrom(const measure::RunSnapshot& s,
                      const std::array<std::optional<double>, body::Count + 1>& measured);

// A measuring tape between two points (million km): its length in million km and AU and the angle of
// its direction at the start, in degrees counter-clockwise from the x axis (−180…180].
struct Tape {
    double millionKm = 0;
    double astronomicalUnits = 0;
    double angleDegrees = 0;
};
Tape MeasureTape(Vec2 start, Vec2 end);

// The grid's spacing for a view `width` million km across: a round 1, 2 or 5 × 10^k AU giving at least
// four and fewer than ten lines across, or, below a tenth of an AU, a round number of million km. The
// spacing is returned in million km with its value in its own unit.
struct GridSpacing {
    double millionKm = 0;
    double value = 0;
    bool inAstronomicalUnits = true;
};
GridSpacing GridSpacingFor(double width);

// The round value 1, 2 or 5 × 10^k nearest below `value` (> 0).
double RoundDown125(double value);

using Overlay = std::vector<OverlayShape>;

// Which laws a screen draws, and for which body the orbit and the areas.
struct LawsChoice {
    bool velocity = false;
    bool force = false;
    bool orbit = false;
    bool areas = false;
    bool grid = false;
    int body = body::Earth;
    bool operator==(const LawsChoice&) const = default;
};

// A tape laid from one point to another, million km.
struct TapeLine {
    Vec2 start;
    Vec2 end;
};

// The words of the overlay's texts, given by the windows in the user's language.
class LawsWording {
  public:
    virtual ~LawsWording() = default;
    virtual std::string VelocityBar(double kmPerSecond, bool centreOfMassFrame) const = 0;
    virtual std::string AccelerationBar(double metresPerSecondSquared) const = 0;
    virtual std::string GridLabel(const GridSpacing& spacing, double multiple) const = 0;
    virtual std::string TapeLabel(const Tape& tape) const = 0;
};

// The colours the laws are drawn in.
namespace colors {
std::int32_t Velocity();
std::int32_t Acceleration();
std::int32_t Orbit();
std::int32_t SectorTint(std::size_t number); // the two light tints, alternating
std::int32_t Grid();
std::int32_t Tape();
} // namespace colors

// The shapes of every chosen law on a screen showing `area` (the grid only where `withGrid`; a screen
// without it is the small overview, where the scale bars' words stand on pale boxes above them), replacing
// what `out` held: the grid and the sectors first, behind the points, then the orbit, the arrows with
// their scale bars in the lower-left corner and the tape.
void BuildOverlay(const LawsChoice& choice, const BodyMotion& motion, const std::optional<OrbitShape>& orbit,
                  const EqualAreas& areas, const std::optional<TapeLine>& tape, ScreenArea area,
                  bool withGrid, double lengthUnit, const LawsWording& words, Overlay& out);

} // namespace laws
} // namespace orvane
