// What the measurements window shows, checked against values worked out by hand from the physics: orbits
// from vis-viva, energies and angular momenta of small hand-made systems, periods of runs of the default
// data, the real sky on known dates, and the bounded history with its CSV text.
#include "Measurements.h"
#include "AxisTicks.h"
#include "CoreTestSupport.h"
#include "HistoryCsv.h"
#include "MeasureRecorder.h"
#include "MeasureTestSupport.h"
#include "RealSky.h"
#include "RevolutionClock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <sstream>

namespace orvane::measure {
namespace {

constexpr int Mercury = 2, Venus = 3, Earth = 4, Asteroid = 11;
constexpr double Day = 86400;
constexpr double G = 6.67e-11;

// The Sun alone at the origin with one planet, free; every other body massless and far away.
RunSnapshot SunAndPlanet(double sunMass, double planetMass, double x, double y, double vx, double vy) {
    return test::SunAndBody(Mercury, false, sunMass, planetMass, x, y, vx, vy);
}

TEST(OrbitAboutSun, CircularEccentricAndUnboundOrbits) {
    const double mu = G * 2e30;
    const double r = 1e11;
    // Circular: v = sqrt(mu / r).
    const RunSnapshot circle = SunAndPlanet(2e30, 0, 0, r, -std::sqrt(mu / r), 0);
    const OrbitAboutSun c = OrbitOf(circle, Mercury);
    EXPECT_NEAR(c.eccentricity, 0, 1e-7);
    ASSERT_TRUE(c.semiMajorAxis);
    EXPECT_NEAR(*c.semiMajorAxis / r, 1, 1e-12);
    EXPECT_NEAR(c.distance, r, 1e-3);
    EXPECT_NEAR(c.polarAngleRad, std::numbers::pi / 2, 1e-15);
    // At perihelion of e = 0.5: v = sqrt(mu (1 + e) / r_p), a = r_p / (1 - e) = 2e11 m,
    // T = 2 pi sqrt(a^3 / mu) = 2 pi sqrt(8e33 / 1.334e20) = 2 pi * 7.7440e6 = 4.8657e7 s.
    const OrbitAboutSun e = OrbitOf(SunAndPlanet(2e30, 0, r, 0, 0, std::sqrt(1.5 * mu / r)), Mercury);
    EXPECT_NEAR(e.eccentricity, 0.5, 1e-12);
    EXPECT_NEAR(*e.semiMajorAxis, 2e11, 1);
    EXPECT_NEAR(*e.keplerPeriod, 4.8657e7, 1e3);
    // Faster than escape speed sqrt(2 mu / r): a hyperbola with no semi-major axis and no period.
    const OrbitAboutSun h = OrbitOf(SunAndPlanet(2e30, 0, r, 0, 0, 1.1 * std::sqrt(2 * mu / r)), Mercury);
    EXPECT_GT(h.eccentricity, 1);
    EXPECT_FALSE(h.semiMajorAxis);
    EXPECT_FALSE(h.keplerPeriod);
}

TEST(OrbitAboutSun, KeplerPeriodAtOneAstronomicalUnitAroundTheProgramsSun) {
    // mu = 66.7e-12 * 5.97e24 * 333166 = 1.32667e20; T = 2 pi sqrt((1.49598e11)^3 / mu) = 365.30 days.
    const double sunMass = 5.97e24 * 333166;
    const double au = 149597870700.0;
    RunSnapshot s = SunAndPlanet(sunMass, 0, au, 0, 0, std::sqrt(66.7e-12 * sunMass / au));
    s.gravConst = 66.7e-12;
    const OrbitAboutSun orbit = OrbitOf(s, Mercury);
    ASSERT_TRUE(orbit.keplerPeriod);
    EXPECT_NEAR(*orbit.keplerPeriod / Day, 365.3, 0.1);
    EXPECT_NEAR(orbit.speed, 29779, 1); // sqrt(1.32667e20 / 1.49598e11)
}

TEST(Conservation, TwoBodiesWithTheSunFree) {
    // Sun 1e30 kg at rest at the origin; a planet of 1e24 kg at (1e11, 0) m moving at 3e4 m/s along y.
    const RunSnapshot s = SunAndPlanet(1e30, 1e24, 1e11, 0, 0, 3e4);
    const Conservation c = ConservedQuantities(s);
    EXPECT_NEAR(c.kinetic / 4.5e32, 1, 1e-12);     // 1e24 * 9e8 / 2
    EXPECT_NEAR(c.potential / -6.67e32, 1, 1e-12); // -6.67e-11 * 1e30 * 1e24 / 1e11
    EXPECT_NEAR(c.total / -2.17e32, 1, 1e-12);
    EXPECT_NEAR(c.angularMomentum / 3e39, 1, 1e-12); // 1e24 * 1e11 * 3e4
    EXPECT_NEAR(c.centreX, 1e35 / (1e30 + 1e24), 1e-6);
    EXPECT_NEAR(c.centreY, 0, 1e-9);
    EXPECT_NEAR(c.centreVy, 3e28 / (1e30 + 1e24), 1e-12);
}

TEST(Conservation, ThreeBodiesWithTheSunHeldAwayFromTheOrigin) {
    // The Sun held at (1e10, 0) keeps a stored velocity it does not move with.
    RunSnapshot s = SunAndPlanet(1e30, 2e24, 1e10, 2e11, -1e4, 0);
    s.sunHeld = true;
    s.x[body::Sun] = 1e10;
    s.vx[body::Sun] = 500;
    s.x[Venus] = 1e10 + 3e11;
    s.y[Venus] = 0;
    s.vy[Venus] = 2e4;
    s.mass[Venus] = 3e24;
    const Conservation c = ConservedQuantities(s);
    // Kinetic: 2e24 * 1e8 / 2 + 3e24 * 4e8 / 2 (the held Sun has none).
    EXPECT_NEAR(c.kinetic / 7e32, 1, 1e-12);
    // Potential: -G (1e30 * 2e24 / 2e11 + 1e30 * 3e24 / 3e11 + 2e24 * 3e24 / (sqrt(13) * 1e11)).
    const double potential = -6.67e-11 * (2e43 + 6e37 / std::sqrt(13.0));
    EXPECT_NEAR(c.potential / potential, 1, 1e-12);
    // About the Sun: 2e24 * (0 * 0 - 2e11 * -1e4) + 3e24 * (3e11 * 2e4 - 0) = 4e39 + 1.8e40.
    EXPECT_NEAR(c.angularMomentum / 2.2e40, 1, 1e-12);
    EXPECT_NEAR(c.centreVx, -2e28 / (1e30 + 5e24), 1e-12);
    EXPECT_NEAR(c.centreVy, 6e28 / (1e30 + 5e24), 1e-12);
}

TEST(Conservation, MasslessAsteroidContributesNothing) {
    RunSnapshot s = SunAndPlanet(1e30, 1e24, 1e11, 0, 0, 3e4);
    const Conservation without = ConservedQuantities(s);
    s.x[Asteroid] = 0; // in the Sun's very place
    s.y[Asteroid] = 0;
    s.vx[Asteroid] = 1e5;
    s.mass[Asteroid] = 0;
    const Conservation with = ConservedQuantities(s);
    EXPECT_EQ(with.total, without.total);
    EXPECT_EQ(with.angularMomentum, without.angularMomentum);
    const OrbitAboutSun orbit = OrbitOf(s, Asteroid);
    EXPECT_FALSE(orbit.semiMajorAxis);
    EXPECT_FALSE(RelativeChange(0, 5));
    EXPECT_NEAR(*RelativeChange(-2, -2.002), 1e-3, 1e-15);
}

TEST(RevolutionClock, TimesTurnsInEitherSenseAndIgnoresWobbles) {
    // Uniform rotation of a full turn per 100 s from 1 rad, sampled every 3 s: the crossings are
    // interpolated exactly.
    RevolutionClock forward, backward;
    forward.Start(0, 1);
    backward.Start(0, 1);
    for (int k = 1; k <= 80; ++k) {
        const double t = 3.0 * k;
        const double turned = 2 * std::numbers::pi * t / 100;
        forward.Advance(t, std::remainder(1 + turned, 2 * std::numbers::pi));
        backward.Advance(t, std::remainder(1 - turned, 2 * std::numbers::pi));
    }
    EXPECT_EQ(forward.CompletedRevolutions(), 2);
    EXPECT_NEAR(*forward.LastPeriod(), 100, 1e-9);
    EXPECT_EQ(backward.CompletedRevolutions(), 2);
    EXPECT_NEAR(*backward.LastPeriod(), 100, 1e-9);

    RevolutionClock wobble;
    wobble.Start(0, 0);
    for (int k = 1; k <= 100; ++k)
        wobble.Advance(k, 0.1 * std::sin(k));
    EXPECT_FALSE(wobble.LastPeriod());
}

// The default data of the program run with the Sun held, sampled after every step.
MeasureRecorder RunDefaultData(double step, double days) {
    SimState s = test::StartupState();
    s.PackState();
    s.Options.SunHeld = SunMode::Held;
    s.Options.TimeStep = step;
    MeasureRecorder recorder;
    recorder.Start(SnapshotOf(s));
    const int steps = static_cast<int>(std::lround(days * Day / step));
    for (int k = 0; k < steps; ++k) {
        s.RungeKuttaStep(s.StateDim, &SimState::NBodyDerivatives);
        s.SimTime += step;
        recorder.Record(SnapshotOf(s));
    }
    return recorder;
}

TEST(Recorder, MeasuredPeriodOfTheDefaultEarth) {
    // The default Earth: r = 1.47100e11 m, v = 30280 m/s, so by vis-viva a = 1.4959e11 m and
    // T = 365.3 days; the planets and the asteroid disturb it only slightly.
    const MeasureRecorder recorder = RunDefaultData(86400, 3 * 365.25 + 10);
    const auto measured = recorder.MeasuredPeriod(Earth);
    ASSERT_TRUE(measured);
    EXPECT_NEAR(*measured / Day / 365.3, 1, 0.01);
    const auto kepler = OrbitOf(recorder.Latest(), Earth).keplerPeriod;
    ASSERT_TRUE(kepler);
    EXPECT_NEAR(*measured / *kepler, 1, 0.01);
    EXPECT_FALSE(recorder.MeasuredPeriod(body::Sun));
}

TEST(Recorder, EnergyErrorFallsWithTheFifthPowerOfTheStep) {
    const double coarse = *RunDefaultData(172800, 3650).EnergyChange();
    const double fine = *RunDefaultData(86400, 3650).EnergyChange();
    EXPECT_GT(coarse, 1e-4);
    EXPECT_LT(coarse, 2e-3);
    EXPECT_GT(coarse / fine, 25);
    EXPECT_LT(coarse / fine, 40);
}

TEST(Recorder, SunOptionStartsANewBaseline) {
    SimState s = test::StartupState();
    s.PackState();
    s.Options.SunHeld = SunMode::Held;
    s.Options.TimeStep = 172800;
    MeasureRecorder recorder;
    recorder.Start(SnapshotOf(s));
    for (int k = 0; k < 3; ++k) {
        s.RungeKuttaStep(s.StateDim, &SimState::NBodyDerivatives);
        s.SimTime += s.Options.TimeStep;
        recorder.Record(SnapshotOf(s));
    }
    EXPECT_TRUE(recorder.BaselineTimes().empty());
    s.Options.SunHeld = SunMode::Free;
    s.RungeKuttaStep(s.StateDim, &SimState::NBodyDerivatives);
    s.SimTime += s.Options.TimeStep;
    recorder.Record(SnapshotOf(s));
    ASSERT_EQ(recorder.BaselineTimes().size(), 1u);
    EXPECT_EQ(recorder.BaselineTimes()[0], 3 * 172800.0);
    // One step of the free system from the new baseline: a small change, not the jump between the two
    // ways of counting the energy.
    EXPECT_LT(*recorder.EnergyChange(), 1e-6);
    EXPECT_EQ(recorder.History().Samples().size(), 5u);
}

TEST(History, KeepsTheWholeRunEvenlyWhenFull) {
    // Full at 8: every second sample goes, the stride doubles, and the next moment on it (8) is kept.
    SampleHistory history(8);
    for (int k = 0; k <= 8; ++k) {
        Sample sample;
        sample.time = k;
        history.Add(sample);
    }
    std::vector<double> times;
    for (const Sample& sample : history.Samples())
        times.push_back(sample.time);
    EXPECT_EQ(times, (std::vector<double>{0, 2, 4, 6, 8}));
    EXPECT_EQ(history.Stride(), 2u);

    SampleHistory longRun(100);
    for (int k = 0; k < 100000; ++k) {
        Sample sample;
        sample.time = k;
        longRun.Add(sample);
    }
    const auto& samples = longRun.Samples();
    EXPECT_LE(samples.size(), 100u);
    EXPECT_EQ(samples.front().time, 0);
    EXPECT_EQ(samples.back().time, 99999);
    for (std::size_t k = 1; k < samples.size(); ++k)
        EXPECT_LT(samples[k - 1].time, samples[k].time);
}

TEST(RealSky, DatesOfSimulatedMomentsAcrossLeapYears) {
    EXPECT_EQ(DateOfSimulatedMoment({2000, 1, 1}, 366 * Day), (CalendarDate{2001, 1, 1}));
    EXPECT_EQ(DateOfSimulatedMoment({2000, 1, 1}, 365 * Day), (CalendarDate{2000, 12, 31}));
    EXPECT_EQ(DateOfSimulatedMoment({2000, 1, 1}, 59.9 * Day), (CalendarDate{2000, 2, 29}));
    EXPECT_EQ(DateOfSimulatedMoment({1900, 2, 28}, 1 * Day), (CalendarDate{1900, 3, 1}));
    EXPECT_EQ(DateOfSimulatedMoment({2000, 1, 1}, 0.5 * Day), (CalendarDate{2000, 1, 1}));
    EXPECT_DOUBLE_EQ(JulianDateOfSimulatedMoment({2000, 1, 1}, 1.5 * Day), 2451546.0);
}

TEST(RealSky, WrapsDifferencesToHalfATurn) {
    EXPECT_DOUBLE_EQ(WrapDegrees180(190), -170);
    EXPECT_DOUBLE_EQ(WrapDegrees180(-190), 170);
    EXPECT_DOUBLE_EQ(WrapDegrees180(180), 180);
    EXPECT_DOUBLE_EQ(WrapDegrees180(-180), 180);
    EXPECT_DOUBLE_EQ(WrapDegrees180(725), 5);
}

TEST(RealSky, ComparesTheEpochEarthWithTheRealOne) {
    // The 1.1.2000 Earth at (-22434, 150410) thousand km has the polar angle
    // 180 - atan(150410 / 22434) = 98.48 degrees; the real Earth stood at 99.87.
    RunSnapshot s = SunAndPlanet(2e30, 6e24, 0, 0, 0, 0);
    s.x[Earth] = -22434e6;
    s.y[Earth] = 150410e6;
    s.dataSetDate = CalendarDate{2000, 1, 1};
    SkyComparison sky = CompareWithRealSky(s);
    ASSERT_EQ(sky.status, SkyStatus::Compared);
    EXPECT_EQ(*sky.date, (CalendarDate{2000, 1, 1}));
    EXPECT_NEAR(sky.realLongitudeDeg[Earth], 99.87, 0.05);
    EXPECT_NEAR(sky.differenceDeg[Earth], -1.39, 0.06);

    s.time = 60000 * Day; // 2164
    sky = CompareWithRealSky(s);
    EXPECT_EQ(sky.status, SkyStatus::OutsideEphemeris);
    EXPECT_EQ(sky.date->year, 2164);

    s.dataSetDate.reset();
    EXPECT_EQ(CompareWithRealSky(s).status, SkyStatus::NotFromDataSet);
}

TEST(Csv, HeaderUnitsAndLocaleSeparators) {
    SampleHistory history;
    Sample sample;
    sample.time = 1.5 * Day;
    sample.x[Earth] = 147.25e9;
    sample.vy[Earth] = -30000.5;
    sample.energy = -2.5e33;
    sample.angularMomentum = 3e40;
    sample.relativeEnergyChange = -1;
    history.Add(sample);
    sample.relativeEnergyChange = 2.5e-7;
    history.Add(sample);

    RunSnapshot run; // no masses: every derived column of an orbit stays empty or plain
    CsvWords words;
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "c" + std::to_string(k) + ….
    for (std::size_t k = 0; k < HistoryCsvColumns(run).size(); ++k) {
        std::string name = "c";
        name.append(std::to_string(k));
        if (k == 1) name.append(", x");
        words.header.push_back(std::move(name));
    }
    words.sunHeld = "held";
    words.sunFree = "free";
    const std::string comma = HistoryCsv(history, run, words, {true});
    ASSERT_EQ(comma.rfind("\xEF\xBB\xBF", 0), 0u); // the byte-order mark
    std::istringstream lines(comma.substr(3));
    std::string header, first, second;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    // Header fields quoted, commas inside them kept.
    EXPECT_EQ(header.rfind("\"c0\";\"c1, x\";\"c2\"", 0), 0u) << header;
    // Time, 11 bodies of 4 columns, energy, angular momentum, |dE/E0|, the Sun's mode, then 5 derived
    // columns for each of the ten bodies round the Sun, then their ten polar angles and the method: 110
    // fields.
    EXPECT_EQ(std::count(header.begin(), header.end(), ';'), 109);
    // A number with a decimal comma is quoted, so that a reader splitting at commas as well keeps it
    // whole; whole numbers and the rest stay bare.
    EXPECT_EQ(first.rfind("\"1,5\";0;0;0;0;0;0;0;0;0;0;0;0;\"147,25\";0;0;\"-30000,5\";", 0), 0u) << first;
    // The first sample has no |dE/E0| here (E0 is 0): its field is empty.
    EXPECT_NE(first.find(";0;0;\"-2,5e+33\";3e+40;;free;"), std::string::npos) << first;
    EXPECT_NE(second.find(";\"-2,5e+33\";3e+40;\"2,5e-07\";free;"), std::string::npos) << second;
    EXPECT_TRUE(second.ends_with("\r")) << second;

    // Words of the Sun's mode holding a separator or a quote are quoted, the quote doubled.
    words.sunFree = "free; \"loose\"";
    EXPECT_NE(HistoryCsv(history, run, words, {true}).find(";;\"free; \"\"loose\"\"\";"), std::string::npos);
    words.sunFree = "free";

    const std::string point = HistoryCsv(history, run, words, {false});
    EXPECT_NE(point.find("\n1.5,0,0,"), std::string::npos);
    EXPECT_NE(point.find(",147.25,0,0,-30000.5,"), std::string::npos);
    EXPECT_EQ(point.find("\"1.5\""), std::string::npos); // with a decimal point nothing needs quotes
}

TEST(AxisTicks, RoundStepsAndDecades) {
    EXPECT_EQ(LinearTicks(0, 10, 6), (std::vector<double>{0, 2, 4, 6, 8, 10}));
    EXPECT_EQ(LinearTicks(-0.3, 0.3, 4), (std::vector<double>{-0.2, 0, 0.2}));
    EXPECT_EQ(LinearTicks(147, 152, 5), (std::vector<double>{147, 148, 149, 150, 151, 152}));
    EXPECT_TRUE(LinearTicks(5, 5, 5).empty());
    EXPECT_EQ(DecadeTicks(2e-9, 0.5, 10).size(), 8u); // 1e-8 .. 1e-1
    // 17 decades in at most 6 ticks: every fifth.
    const std::vector<double> decades = DecadeTicks(1e-16, 1, 6);
    ASSERT_EQ(decades.size(), 4u);
    EXPECT_NEAR(std::log10(decades[0]), -15, 1e-12);
    EXPECT_NEAR(std::log10(decades[3]), 0, 1e-12);
    // An energy change beyond measure (a start energy of almost nothing) gives no ticks, not a crash.
    EXPECT_TRUE(DecadeTicks(1e-8, std::numeric_limits<double>::infinity(), 6).empty());
}

} // namespace
} // namespace orvane::measure
