// The laws drawn over the experiment's screens, as numbers: arrows against a hand computation of one
// configuration, the osculating orbit against the two-body formulas, the equal areas against Kepler's
// equation, the tape and the grid's round spacing.
#include "CoreTestSupport.h"
#include "MeasureTestSupport.h"

#include "ScreenLaws.h"
#include "Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

namespace orvane {
namespace {

using laws::Vec2;
constexpr double Au = AstronomicalUnitMetres;
constexpr double AuMkm = AstronomicalUnitMetres / 1e9;

// The Sun at the origin and the bodies the case places; every other body massless and far away.
struct Bodies {
    SimState run = test::StartupState();
    Bodies() {
        test::SpreadBodies(run);
        for (int i = body::Sun + 1; i <= body::Count; ++i)
            run.BodyMassPct(i) = 0;
        run.BodyX(body::Sun) = run.BodyY(body::Sun) = 0;
        run.Options.SunHeld = SunMode::Held;
        run.Options.TimeStep = TimeStepHigh;
    }
    // Positions in metres, velocities in m/s, as the body table holds them.
    void Place(int b, double x, double y, double vx, double vy, double massPct = 0) {
        run.BodyX(b) = x;
        run.BodyY(b) = y;
        run.BodyVx(b) = vx;
        run.BodyVy(b) = vy;
        run.BodyMassPct(b) = massPct;
    }
    SimState& Packed() {
        run.PackState();
        return run;
    }
    double Mu() const { return run.GravConst * run.BodyMass(body::Sun); }
};

ScreenArea Around(double halfMkm) {
    return {-halfMkm, halfMkm, halfMkm, -halfMkm};
}

double Angle(Vec2 from, Vec2 to) {
    return std::atan2(to.y - from.y, to.x - from.x);
}

// The Earth at 1 AU moving at 30 km/s along +y and Mars at 2 AU on the y axis moving at 24 km/s along −x,
// both massless: the Sun's pull on Mars is a quarter of that on the Earth, and the Earth's speed the
// larger.
void PlaceEarthAndMars(Bodies& b) {
    b.Place(body::Earth, Au, 0, 0, 30000);
    b.Place(body::Mars, 0, 2 * Au, -24000, 0);
}

// The longest arrow is a fifth of the 900 million km screen.
TEST(LawArrows, DirectionsAndRatiosOfAHandComputedConfiguration) {
    Bodies b;
    PlaceEarthAndMars(b);
    const SimState& run = b.Packed();
    const ScreenArea area = Around(450);
    const laws::BodyMotion motion = laws::MotionOf(run, run);
    ASSERT_TRUE(motion.accelerationKnown);
    const double g = b.Mu() / (Au * Au); // the Earth's pull, m/s²
    EXPECT_NEAR(motion.acceleration[body::Earth].x, -g, 1e-9 * g);
    EXPECT_NEAR(motion.acceleration[body::Mars].y, -g / 4, 1e-9 * g);

    const laws::ArrowSet velocity = laws::Arrows(motion, laws::ArrowKind::Velocity, area);
    ASSERT_EQ(velocity.arrows.size(), 2u); // the held Sun has no velocity to show
    const laws::Arrow& earthV = velocity.arrows[0];
    const laws::Arrow& marsV = velocity.arrows[1];
    EXPECT_EQ(earthV.body, body::Earth);
    EXPECT_NEAR(earthV.tail.x, AuMkm, 1e-9);
    EXPECT_NEAR(earthV.tip.y - earthV.tail.y, 0.2 * 900, 1e-9);
    EXPECT_NEAR(earthV.tip.x - earthV.tail.x, 0, 1e-9);
    EXPECT_NEAR(marsV.tip.x - marsV.tail.x, -0.2 * 900 * 24.0 / 30.0, 1e-9);
    EXPECT_TRUE(earthV.head && marsV.head);
    // The bar: 20 km/s, two thirds of the Earth's arrow.
    EXPECT_DOUBLE_EQ(velocity.barValue, 20);
    EXPECT_NEAR(velocity.barLength, 180 * 20.0 / 30.0, 1e-9);
    // The head's strokes lie behind the tip, symmetric about the shaft.
    EXPECT_LT(earthV.headLeft.y, earthV.tip.y);
    EXPECT_NEAR(earthV.headLeft.x - earthV.tip.x, -(earthV.headRight.x - earthV.tip.x), 1e-9);

    const laws::ArrowSet force = laws::Arrows(motion, laws::ArrowKind::Acceleration, area);
    ASSERT_EQ(force.arrows.size(), 2u);
    EXPECT_NEAR(Angle(force.arrows[0].tail, force.arrows[0].tip), std::numbers::pi, 1e-9);
    EXPECT_NEAR(Angle(force.arrows[1].tail, force.arrows[1].tip), -std::numbers::pi / 2, 1e-9);
    const auto length = [](const laws::Arrow& a) {
        return std::hypot(a.tip.x - a.tail.x, a.tip.y - a.tail.y);
    };
    EXPECT_NEAR(length(force.arrows[0]), 180, 1e-9);
    EXPECT_NEAR(length(force.arrows[1]) / length(force.arrows[0]), 0.25, 1e-12);
    // 5.93 mm/s² at 1 AU: the bar says 5 mm/s².
    EXPECT_DOUBLE_EQ(force.barValue, 0.005);
}

// Only the bodies on the screen count for the scale; an arrow too short to show a direction has no
// head; a free Sun's velocities are relative to the centre of mass.
TEST(LawArrows, ScaleFromTheScreensBodiesHeadlessWhenTinyAndFreeSunFrame) {
    Bodies b;
    b.Place(body::Earth, Au, 0, 0, 30000, 100);
    b.Place(body::Mars, 0, 2 * Au, -24000, 0);
    b.Place(body::Jupiter, -5 * Au, 0, 0, 300); // off a 450 million km screen, and slow
    b.run.Options.SunHeld = SunMode::Free;
    const SimState& run = b.Packed();
    const laws::BodyMotion motion = laws::MotionOf(run, run);
    const double m = run.BodyMass(body::Earth), sun = run.BodyMass(body::Sun);
    // The centre of mass moves at m v / (M + m): the Earth at v M / (M + m) relative to it.
    EXPECT_NEAR(motion.velocity[body::Earth].y, 30000 * sun / (sun + m), 1e-6);
    EXPECT_NEAR(motion.velocity[body::Sun].y, -30000 * m / (sun + m), 1e-9);

    const laws::ArrowSet velocity = laws::Arrows(motion, laws::ArrowKind::Velocity, Around(450));
    ASSERT_EQ(velocity.arrows.size(), 3u); // the Sun, the Earth, Mars; not Jupiter
    EXPECT_EQ(velocity.arrows[0].body, body::Sun);
    EXPECT_FALSE(velocity.arrows[0].head);
    EXPECT_NEAR(velocity.arrows[1].tip.y - velocity.arrows[1].tail.y, 180, 1e-9);
    // On the wide screen Jupiter is shown: its 300 m/s against 30 km/s is a hundredth, headless.
    const laws::ArrowSet wide = laws::Arrows(motion, laws::ArrowKind::Velocity, Around(4500));
    ASSERT_EQ(wide.arrows.size(), 4u);
    EXPECT_EQ(wide.arrows[3].body, body::Jupiter);
    EXPECT_FALSE(wide.arrows[3].head);
    EXPECT_TRUE(wide.arrows[1].head);
}

// The ellipse of a body at 1 AU with 1.5 times the circular speed squared, at its perihelion: a = 2 AU,
// e = 0.5, the centre 1 AU behind the Sun, the other focus 2 AU, the aphelion 3 AU.
TEST(LawOrbit, EllipseElementsAndFociFromTheTwoBodyFormulas) {
    Bodies b;
    b.Place(body::Earth, Au, 0, 0, 0);
    b.run.PackState();
    const double v = std::sqrt(1.5 * b.Mu() / Au);
    b.Place(body::Earth, Au, 0, 0, v);
    const SimState& run = b.Packed();
    const auto orbit = laws::OrbitShapeOf(run, run, body::Earth);
    ASSERT_TRUE(orbit);
    EXPECT_EQ(orbit->kind, measure::OrbitKind::Bound);
    EXPECT_NEAR(orbit->eccentricity, 0.5, 1e-9);
    EXPECT_NEAR(orbit->semiMajorAxis, 2 * AuMkm, 1e-6);
    EXPECT_NEAR(orbit->semiMinorAxis, 2 * AuMkm * std::sqrt(0.75), 1e-6);
    EXPECT_NEAR(orbit->perihelion.x, AuMkm, 1e-6);
    EXPECT_NEAR(orbit->centre.x, -AuMkm, 1e-6);
    EXPECT_NEAR(orbit->otherFocus.x, -2 * AuMkm, 1e-6);
    EXPECT_NEAR(orbit->aphelion.x, -3 * AuMkm, 1e-6);
    EXPECT_NEAR(orbit->centre.y, 0, 1e-6);
    // Every point of the curve: the distances to the two foci add up to 2a.
    ASSERT_GT(orbit->points.size(), 100u);
    for (const Vec2& p : orbit->points) {
        const double sum = std::hypot(p.x, p.y) + std::hypot(p.x + 2 * AuMkm, p.y);
        EXPECT_NEAR(sum, 4 * AuMkm, 1e-6);
    }
}

// Faster than escape: the branch passes the Sun at the body's place (its perihelion), and every point
// satisfies the conic's equation r (1 + e cos ν) = p with p = h² / mu.
TEST(LawOrbit, HyperbolaBranchNearTheSunAndNoneForAFall) {
    Bodies b;
    b.run.PackState();
    const double mu = b.Mu();
    const double v = 1.1 * std::sqrt(2 * mu / Au);
    b.Place(body::Asteroid, Au, 0, 0, v);
    const SimState& run = b.Packed();
    const auto orbit = laws::OrbitShapeOf(run, run, body::Asteroid);
    ASSERT_TRUE(orbit);
    EXPECT_NE(orbit->kind, measure::OrbitKind::Bound);
    const double e = Au * v * v / mu - 1; // at perihelion: p = r (1 + e) and p = (r v)² / mu
    EXPECT_NEAR(orbit->eccentricity, e, 1e-9);
    EXPECT_NEAR(orbit->perihelion.x, AuMkm, 1e-6);
    const double p = Au * Au * v * v / mu / 1e9;
    for (const Vec2& point : orbit->points) {
        const double r = std::hypot(point.x, point.y);
        EXPECT_NEAR(r * (1 + e * point.x / r), p, 1e-6 * p);
        EXPECT_LE(r, 4 * AuMkm * (1 + 1e-9));
    }
    // Straight at the Sun: no conic to draw.
    b.Place(body::Asteroid, Au, 0, -1000, 0);
    const SimState& falling = b.Packed();
    EXPECT_FALSE(laws::OrbitShapeOf(falling, falling, body::Asteroid));
}

// The area swept from the perihelion to the eccentric anomaly E is (a b / 2)(E − e sin E): Kepler's
// equation. The angle of a place from the perihelion gives E.
double MeanAnomalyOf(Vec2 place, double e, double periAngle) {
    const double nu = std::atan2(place.y, place.x) - periAngle;
    const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
    return E - e * std::sin(E);
}

// Mercury alone with a held Sun at the high accuracy: twelve sectors of the steps nearest a twelfth of
// the period, each equal to the analytic area for its time to 0.1 %, and the twelve together the whole
// ellipse's area for the time they cover.
TEST(LawEqualAreas, MercuryAloneMatchesKeplersEquation) {
    SimState run = test::StartupState();
    for (int i = body::Venus; i <= body::Count; ++i)
        run.BodyMassPct(i) = 0;
    run.Options.SunHeld = SunMode::Held;
    run.Options.TimeStep = TimeStepHigh;
    run.PackState();
    const int n = run.BodyCount;
    // The two-body orbit from the starting state.
    const double mu = run.GravConst * run.BodyMass(body::Sun);
    const double x = run.StateVec(state::X(body::Mercury, n)), y = run.StateVec(state::Y(body::Mercury, n));
    const double vx = run.StateVec(state::Vx(body::Mercury, n)),
                 vy = run.StateVec(state::Vy(body::Mercury, n));
    const double r = std::hypot(x, y), v2 = vx * vx + vy * vy;
    const double a = 1 / (2 / r - v2 / mu);
    const double ex = ((v2 - mu / r) * x - (x * vx + y * vy) * vx) / mu;
    const double ey = ((v2 - mu / r) * y - (x * vx + y * vy) * vy) / mu;
    const double e = std::hypot(ex, ey), periAngle = std::atan2(ey, ex);
    const double bAxis = a * std::sqrt(1 - e * e);
    const double period = 2 * std::numbers::pi * std::sqrt(a * a * a / mu);
    ASSERT_GT(e, 0.15); // Mercury's orbit is far from a circle

    laws::EqualAreas areas;
    areas.Record(run, body::Mercury);
    const int steps = static_cast<int>(std::lround(period / 12 / TimeStepHigh));
    EXPECT_EQ(areas.StepsPerSector(), steps);
    for (int k = 0; k < 13 * steps + 5; ++k) {
        run.RungeKuttaStep(run.StateDim, &SimState::NBodyDerivatives);
        areas.Record(run, body::Mercury);
    }
    const std::vector<double> complete = areas.CompleteAreas();
    ASSERT_EQ(complete.size(), laws::EqualAreas::KeptSectors);
    EXPECT_EQ(areas.Sectors().size(), laws::EqualAreas::KeptSectors + 1);
    const double expected = std::numbers::pi * a * bAxis * steps * TimeStepHigh / period;
    double sum = 0;
    for (const laws::EqualAreas::Sector& sector : areas.Sectors()) {
        if (!sector.complete) continue;
        ASSERT_EQ(sector.vertices.size(), static_cast<std::size_t>(steps + 1));
        EXPECT_NEAR(sector.area / expected, 1, 1e-3);
        // The same sector by Kepler's equation between its first and last place.
        double dM = MeanAnomalyOf(sector.vertices.back(), e, periAngle) -
                    MeanAnomalyOf(sector.vertices.front(), e, periAngle);
        if (dM < 0) dM += 2 * std::numbers::pi;
        EXPECT_NEAR(sector.area / (a * bAxis / 2 * dM), 1, 1e-3);
        sum += sector.area;
    }
    EXPECT_NEAR(sum / (std::numbers::pi * a * bAxis * 12 * steps * TimeStepHigh / period), 1, 1e-3);
    EXPECT_EQ(areas.FirstNumber(), 1u);
    areas.Reset();
    EXPECT_TRUE(areas.Sectors().empty());
}

// The Earth on a circle of 1 AU, overtaking an asteroid on a circle of 1.15 AU that starts 0.1 rad ahead:
// it comes within about 0.15 AU of it some months later. A massless asteroid leaves the twelve sectors
// equal to 0.1 %; the program's heavy asteroid (3181 Earth masses, a hundredth of the Sun) pulls there
// with nearly half the Sun's pull, and its torque about the Sun makes the sectors plainly unequal.
TEST(LawEqualAreas, EqualOnAnUndisturbedOrbitAndUnequalAfterAHeavyAsteroidPasses) {
    const auto largestDeparture = [](double asteroidMassPct) {
        Bodies b;
        const double mu = b.Mu();
        b.Place(body::Earth, Au, 0, 0, std::sqrt(mu / Au));
        const double r = 1.15 * Au, v = std::sqrt(mu / r), angle = 0.1;
        b.Place(body::Asteroid, r * std::cos(angle), r * std::sin(angle), -v * std::sin(angle),
                v * std::cos(angle), asteroidMassPct);
        SimState& run = b.Packed();
        laws::EqualAreas areas;
        areas.Record(run, body::Earth);
        for (int k = 0; k < 13 * areas.StepsPerSector() + 5; ++k) {
            run.RungeKuttaStep(run.StateDim, &SimState::NBodyDerivatives);
            areas.Record(run, body::Earth);
        }
        double departure = 0;
        for (const double share : laws::SharesOfMean(areas.CompleteAreas()))
            departure = std::max(departure, std::abs(share - 1));
        return departure;
    };
    EXPECT_LT(largestDeparture(0), 1e-3);
    EXPECT_GT(largestDeparture(318100), 0.02);
}

// An unbound body's sectors last 30 days' worth of steps; a chosen length overrides the period's
// twelfth.
TEST(LawEqualAreas, ThirtyDaysForAnOpenOrbitAndAChosenLength) {
    Bodies b;
    b.run.PackState();
    b.Place(body::Asteroid, Au, 0, 0, 1.1 * std::sqrt(2 * b.Mu() / Au));
    b.run.Options.TimeStep = TimeStepMedium;
    laws::EqualAreas open;
    open.Record(b.Packed(), body::Asteroid);
    EXPECT_EQ(open.StepsPerSector(), 30);
    laws::EqualAreas chosen;
    chosen.SetDaysPerSector(10);
    chosen.Record(b.run, body::Asteroid);
    EXPECT_EQ(chosen.StepsPerSector(), 10);
    EXPECT_DOUBLE_EQ(laws::FanArea({{1, 0}, {1, 1}, {0, 1}}), 1.0);
}

TEST(LawTapeAndGrid, LengthAngleAndRoundSpacing) {
    const laws::Tape diagonal = laws::MeasureTape({10, 10}, {10 + AuMkm, 10 + AuMkm});
    EXPECT_NEAR(diagonal.astronomicalUnits, std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(diagonal.millionKm, AuMkm * std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(diagonal.angleDegrees, 45, 1e-12);
    EXPECT_NEAR(laws::MeasureTape({0, 0}, {-3, 0}).angleDegrees, 180, 1e-12);
    EXPECT_NEAR(laws::MeasureTape({0, 0}, {0, -3}).angleDegrees, -90, 1e-12);

    // 9000 million km is 60 AU: lines every 10 AU; 600 million km is 4 AU: every AU; 100 million km:
    // every 0.1 AU; 50 million km: every 10 million km.
    EXPECT_DOUBLE_EQ(laws::GridSpacingFor(9000).value, 10);
    EXPECT_DOUBLE_EQ(laws::GridSpacingFor(600).value, 1);
    EXPECT_NEAR(laws::GridSpacingFor(600).millionKm, AuMkm, 1e-9);
    EXPECT_DOUBLE_EQ(laws::GridSpacingFor(100).value, 0.1);
    const laws::GridSpacing fine = laws::GridSpacingFor(50);
    EXPECT_FALSE(fine.inAstronomicalUnits);
    EXPECT_DOUBLE_EQ(fine.millionKm, 10);
    for (double width : {50.0, 123.0, 600.0, 2000.0, 9000.0, 20000.0}) {
        const double lines = width / laws::GridSpacingFor(width).millionKm;
        EXPECT_GE(lines, 4) << width;
        EXPECT_LT(lines, 10) << width;
    }
    EXPECT_DOUBLE_EQ(laws::RoundDown125(0.0049), 0.002);
    EXPECT_DOUBLE_EQ(laws::RoundDown125(7), 5);
}

// Shares of the mean: 1, 2 and 3 have the mean 2.
TEST(LawEqualAreas, SharesOfTheMean) {
    const std::vector<double> shares = laws::SharesOfMean({1, 2, 3});
    ASSERT_EQ(shares.size(), 3u);
    EXPECT_DOUBLE_EQ(shares[0], 0.5);
    EXPECT_DOUBLE_EQ(shares[2], 1.5);
    EXPECT_TRUE(laws::SharesOfMean({}).empty());
}

// Kepler's third law for a body on a circle of 1 AU and one of 4 AU about a held Sun: T² in years² is
// 4π² a³ / mu with T = 2π √(a³ / mu) worked out here, and a measured period replaces Kepler's.
TEST(LawThirdLaw, PointsOnTheLineAndAMeasuredPeriodTakesItsPlace) {
    const double sun = 2e30, g = 6.67e-11, mu = g * sun;
    measure::RunSnapshot s = test::SunAndBody(body::Earth, true, sun, 0, Au, 0, 0, std::sqrt(mu / Au));
    s.x[body::Jupiter] = 4 * Au;
    s.vy[body::Jupiter] = std::sqrt(mu / (4 * Au));
    std::array<std::optional<double>, body::Count + 1> measured{};
    measured[body::Jupiter] = 3e8;
    const laws::ThirdLaw law = laws::ThirdLawFrom(s, measured);
    const double year = 365.25 * 86400;
    const double earthT = 2 * std::numbers::pi * std::sqrt(Au * Au * Au / mu);
    EXPECT_NEAR(law.slope, earthT * earthT / (year * year), 1e-12);
    ASSERT_EQ(law.points.size(), 2u); // the far-away massless bodies are not bound
    EXPECT_EQ(law.points[0].body, body::Earth);
    EXPECT_NEAR(law.points[0].aCubed, 1, 1e-9);
    EXPECT_NEAR(law.points[0].tSquared, earthT * earthT / (year * year), 1e-9);
    EXPECT_FALSE(law.points[0].measured);
    EXPECT_NEAR(law.points[1].aCubed, 64, 1e-7);
    EXPECT_TRUE(law.points[1].measured);
    EXPECT_NEAR(law.points[1].tSquared, 3e8 * 3e8 / (year * year), 1e-9);
}

struct PlainWords : laws::LawsWording {
    std::string VelocityBar(double v, bool centre) const override {
        return std::to_string(v) + (centre ? " km/s cm" : " km/s");
    }
    std::string AccelerationBar(double a) const override { return std::to_string(a) + " m/s2"; }
    std::string GridLabel(const laws::GridSpacing& g, double k) const override {
        return std::to_string(g.value * k);
    }
    std::string TapeLabel(const laws::Tape& t) const override { return std::to_string(t.astronomicalUnits); }
};

// The shapes of the ellipse of the e = 0.5 orbit: the curve, then the major axis from perihelion (1 AU)
// to aphelion (−3 AU) and the minor axis through the centre (−1 AU), 2 √0.75 AU either side, both dashed.
TEST(LawOverlay, OrbitAxesAndTheTapesWords) {
    Bodies b;
    b.Place(body::Earth, Au, 0, 0, 0);
    b.run.PackState();
    b.Place(body::Earth, Au, 0, 0, std::sqrt(1.5 * b.Mu() / Au));
    const SimState& run = b.Packed();
    laws::LawsChoice choice;
    choice.orbit = true;
    laws::Overlay out;
    const laws::TapeLine tape{{0, 0}, {AuMkm, 0}};
    laws::BuildOverlay(choice, laws::MotionOf(run, run), laws::OrbitShapeOf(run, run, body::Earth),
                       laws::EqualAreas{}, tape, Around(600), false, run.LengthUnit, PlainWords{}, out);
    std::vector<const OverlayShape*> dashed;
    for (const OverlayShape& shape : out)
        if (shape.dashed) dashed.push_back(&shape);
    ASSERT_EQ(dashed.size(), 2u);
    const auto near = [](float value, double expected) { return std::abs(value - expected) < 1e-3 * AuMkm; };
    EXPECT_TRUE(near(dashed[0]->xy[0], AuMkm) && near(dashed[0]->xy[2], -3 * AuMkm));
    const double bAxis = 2 * AuMkm * std::sqrt(0.75);
    EXPECT_TRUE(near(dashed[1]->xy[0], -AuMkm) && near(dashed[1]->xy[1], -bAxis)) << dashed[1]->xy[1];
    EXPECT_TRUE(near(dashed[1]->xy[2], -AuMkm) && near(dashed[1]->xy[3], bAxis)) << dashed[1]->xy[3];
    // The tape's text: one AU, beside its end.
    EXPECT_EQ(out.back().kind, OverlayShape::Kind::Text);
    EXPECT_EQ(out.back().text, std::to_string(1.0));
    EXPECT_GT(out.back().xy[0], AuMkm);
}

// On a 900 million km screen the grid lies every AU (149.6 million km). The force bar (5 mm/s², 152 million
// km) is the longer, so the bars with their words take the lower-left corner up to 0.175 of the height and
// 27 + 152 million km across: the labels of the lines at y = −2 AU (0.168 up) and at x = −3 and −2 AU
// would be written over them and are left out; with the velocity's single row the y = −2 AU one returns.
TEST(LawOverlay, TheGridsLabelsKeepOutOfTheScaleBarsCorner) {
    Bodies b;
    PlaceEarthAndMars(b);
    const SimState& run = b.Packed();
    const ScreenArea area = Around(450);
    // The grid labels' texts, by where they stand: "left" on the left edge, "bottom" along the bottom.
    const auto labels = [&](bool velocity, bool force) {
        laws::LawsChoice choice;
        choice.grid = true;
        choice.velocity = velocity;
        choice.force = force;
        laws::Overlay out;
        laws::BuildOverlay(choice, laws::MotionOf(run, run), std::nullopt, laws::EqualAreas{}, std::nullopt,
                           area, true, run.LengthUnit, PlainWords{}, out);
        std::set<std::string> found;
        for (const OverlayShape& shape : out) {
            if (shape.kind != OverlayShape::Kind::Text || shape.text.find(' ') != std::string::npos) continue;
            const double k = std::round(std::stod(shape.text));
            if (std::abs(shape.xy[0] - (-450 + 0.005 * 900)) < 1e-3) {
                found.insert("left " + std::to_string(int(k)));
                // Hanging just below its line.
                EXPECT_NEAR(shape.xy[1], k * AuMkm - 4.5, 1e-3);
            } else {
                found.insert("bottom " + std::to_string(int(k)));
                // Just right of its line, 4 % of the height up.
                EXPECT_NEAR(shape.xy[0], k * AuMkm + 4.5, 1e-3);
                EXPECT_NEAR(shape.xy[1], -450 + 36, 1e-3);
            }
        }
        return found;
    };
    const std::set<std::string> plain = labels(false, false);
    for (const char* label :
         {"left -2", "left -1", "left 2", "bottom -3", "bottom -2", "bottom -1", "bottom 0"})
        EXPECT_TRUE(plain.contains(label)) << label;

    const std::set<std::string> both = labels(true, true);
    for (const char* label : {"left -2", "bottom -3", "bottom -2"})
        EXPECT_FALSE(both.contains(label)) << label;
    for (const char* label : {"left -1", "left 2", "bottom -1", "bottom 0"})
        EXPECT_TRUE(both.contains(label)) << label;

    // The bars themselves: 3 % of the width in, the velocity's 4 % of the height up and the force's 9 %
    // above it, each bar's words 4.5 % of the height above it.
    laws::LawsChoice bars;
    bars.velocity = bars.force = true;
    laws::Overlay out;
    laws::BuildOverlay(bars, laws::MotionOf(run, run), std::nullopt, laws::EqualAreas{}, std::nullopt, area,
                       true, run.LengthUnit, PlainWords{}, out);
    const auto hasLine = [&](double x0, double y0, double x1, double y1) {
        return std::any_of(out.begin(), out.end(), [&](const OverlayShape& shape) {
            return shape.xy.size() == 4 && std::abs(shape.xy[0] - x0) < 1e-3 &&
                   std::abs(shape.xy[1] - y0) < 1e-3 && std::abs(shape.xy[2] - x1) < 1e-3 &&
                   std::abs(shape.xy[3] - y1) < 1e-3;
        });
    };
    const double forceBar = 180 * 0.005 / (b.Mu() / (Au * Au));
    EXPECT_TRUE(hasLine(-423, -414, -423 + 120, -414));
    EXPECT_TRUE(hasLine(-423, -333, -423 + forceBar, -333));
    std::vector<std::pair<double, double>> words;
    for (const OverlayShape& shape : out)
        if (shape.kind == OverlayShape::Kind::Text) words.emplace_back(shape.xy[0], shape.xy[1]);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_NEAR(words[0].first, -423, 1e-3);
    EXPECT_NEAR(words[0].second, -414 + 40.5, 1e-3);
    EXPECT_NEAR(words[1].second, -333 + 40.5, 1e-3);

    // The velocity bar alone: 20 km/s is 120 million km; one row, 0.085 of the height.
    const std::set<std::string> velocity = labels(true, false);
    EXPECT_TRUE(velocity.contains("left -2"));
    EXPECT_TRUE(velocity.contains("bottom -2"));
    EXPECT_FALSE(velocity.contains("bottom -3"));
}

} // namespace
} // namespace orvane
