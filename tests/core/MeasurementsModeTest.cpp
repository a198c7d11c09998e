// The measurements as the Sun's mode decides them, checked against values worked out by hand: the orbit's
// mu for a held and a free Sun, which way an unbound body goes, the baseline after a switch of the Sun
// option made after the Sun has moved, the whole run kept evenly, the derived CSV columns recomputed from
// the CSV's own state, the plots' data, and every planet's real longitude.
#include "Bodies.h"
#include "CoreTestSupport.h"
#include "DataSetOnDate.h"
#include "HistoryCsv.h"
#include "MeasurePlotData.h"
#include "MeasureRecorder.h"
#include "MeasureTestSupport.h"
#include "Measurements.h"
#include "RealSky.h"
#include "StateLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <sstream>

namespace orvane::measure {
namespace {

constexpr int Mercury = 2, Earth = 4, Pluto = 10, Asteroid = 11;
constexpr double Day = 86400;
constexpr double G = 6.67e-11;
constexpr double Au = 149597870700.0;

// The Sun at the origin with the asteroid; every other body massless and far away.
RunSnapshot SunAndBody(bool sunHeld, double sunMass, double mass, double x, double y, double vx, double vy) {
    return test::SunAndBody(Asteroid, sunHeld, sunMass, mass, x, y, vx, vy);
}

TEST(OrbitMu, HeldSunIsAFixedCentreFreeSunMovesToo) {
    // A body of mass m on a circle of radius r about a held Sun of mass M: v^2 = G M / r, so with the Sun
    // held e = 0 and a = r. The same state with the Sun free has mu = G (M + m): the specific energy is
    // -G (M + 2m) / (2r), so a = r (M + m) / (M + 2m), and e = m / (M + m).
    const double M = 2e30, m = 2e28, r = 1e11;
    const double v = std::sqrt(G * M / r);
    const OrbitAboutSun held = OrbitOf(SunAndBody(true, M, m, r, 0, 0, v), Asteroid);
    EXPECT_NEAR(held.eccentricity, 0, 1e-7);
    EXPECT_NEAR(*held.semiMajorAxis / r, 1, 1e-12);
    EXPECT_NEAR(*held.keplerPeriod, 2 * std::numbers::pi * std::sqrt(r * r * r / (G * M)), 1e-3);
    const OrbitAboutSun free = OrbitOf(SunAndBody(false, M, m, r, 0, 0, v), Asteroid);
    EXPECT_NEAR(free.eccentricity, m / (M + m), 1e-9);
    EXPECT_NEAR(*free.semiMajorAxis / (r * (M + m) / (M + 2 * m)), 1, 1e-12);
    EXPECT_EQ(SunPull(SunAndBody(true, M, m, r, 0, 0, v), Asteroid), G * M);
    EXPECT_EQ(SunPull(SunAndBody(false, M, m, r, 0, 0, v), Asteroid), G * (M + m));
}

TEST(OrbitMu, AsteroidJustAboveEscapeSpeedEscapesFromAHeldSun) {
    // The default asteroid's mass (3181 Earth masses, 0.955 % of the Sun's) at perihelion with 1.004 times
    // the escape speed sqrt(2 G M / r) from a held Sun: e = v^2 r / mu - 1 = 2 * 1.004^2 - 1 = 1.0160. With
    // the Sun free mu grows by 0.955 % and the same state is bound: e = 2.016032 / 1.009548 - 1 = 0.99696.
    const double M = 5.97e24 * 333166, m = 5.97e24 * 3181, r = 2e12;
    const double v = 1.004 * std::sqrt(2 * G * M / r);
    const OrbitAboutSun held = OrbitOf(SunAndBody(true, M, m, r, 0, 0, v), Asteroid);
    EXPECT_NEAR(held.eccentricity, 1.016032, 1e-6);
    EXPECT_EQ(held.kind, OrbitKind::Receding); // at perihelion and beyond escape: it leaves
    EXPECT_FALSE(held.semiMajorAxis);
    EXPECT_FALSE(held.keplerPeriod);
    const OrbitAboutSun free = OrbitOf(SunAndBody(false, M, m, r, 0, 0, v), Asteroid);
    EXPECT_NEAR(free.eccentricity, 0.99696, 1e-5);
    EXPECT_EQ(free.kind, OrbitKind::Bound);
}

TEST(OrbitMu, WhichWayABodyNotBoundGoes) {
    const double M = 2e30, r = 1e11;
    const double escape = std::sqrt(2 * G * M / r);
    // Straight towards the Sun, slowly or fast: it falls in, e = 1.
    for (const double speed : {0.5 * escape, 2 * escape}) {
        const OrbitAboutSun in = OrbitOf(SunAndBody(true, M, 0, r, 0, -speed, 0), Asteroid);
        EXPECT_EQ(in.kind, OrbitKind::FallingIntoSun) << speed;
        EXPECT_EQ(in.eccentricity, 1);
        EXPECT_NEAR(in.radialVelocity, -speed, 1e-9);
        EXPECT_FALSE(in.keplerPeriod);
    }
    // At rest: it falls too.
    EXPECT_EQ(OrbitOf(SunAndBody(true, M, 0, r, 0, 0, 0), Asteroid).kind, OrbitKind::FallingIntoSun);
    // Straight out below escape speed: it rises and falls back; above it, it leaves.
    EXPECT_EQ(OrbitOf(SunAndBody(true, M, 0, 0, r, 0, 0.5 * escape), Asteroid).kind,
              OrbitKind::RisingAndFalling);
    EXPECT_EQ(OrbitOf(SunAndBody(true, M, 0, 0, r, 0, 2 * escape), Asteroid).kind, OrbitKind::Receding);
    // A hyperbola still on its way in passes the Sun and leaves; on its way out it leaves.
    const OrbitAboutSun coming = OrbitOf(SunAndBody(true, M, 0, r, 0, -escape, escape), Asteroid);
    EXPECT_GT(coming.eccentricity, 1);
    EXPECT_EQ(coming.kind, OrbitKind::Approaching);
    EXPECT_NEAR(coming.radialVelocity, -escape, 1e-9);
    EXPECT_EQ(OrbitOf(SunAndBody(true, M, 0, r, 0, escape, escape), Asteroid).kind, OrbitKind::Receding);
}

// The default data, the Sun free for `freeSteps` and then held, or the other way round.
struct SwitchRun {
    SimState s = test::StartupState();
    MeasureRecorder recorder;
    SwitchRun() {
        s.PackState();
        s.Options.TimeStep = 172800;
    }
    void Steps(int count, bool sunHeld) {
        s.Options.SunHeld = sunHeld ? SunMode::Held : SunMode::Free;
        for (int k = 0; k < count; ++k) {
            s.RungeKuttaStep(s.StateDim, &SimState::NBodyDerivatives);
            s.SimTime += s.Options.TimeStep;
            recorder.Record(SnapshotOf(s));
        }
    }
};

TEST(SunSwitch, NewBaselineAfterTheSunHasMovedIsMeasuredUnderTheNewOption) {
    SwitchRun run;
    run.s.Options.SunHeld = SunMode::Free;
    run.recorder.Start(SnapshotOf(run.s));
    run.Steps(1500, false); // eight years: the Sun moves at several m/s
    const int n = run.s.BodyCount;
    const double sunSpeed =
        std::hypot(run.s.StateVec(state::Vx(body::Sun, n)), run.s.StateVec(state::Vy(body::Sun, n)));
    ASSERT_GT(sunSpeed, 3);
    // The free Sun's kinetic energy, M v^2 / 2, is what a held Sun's energy leaves out: a baseline
    // measured under the old option would be off by about this much.
    const double sunKinetic = run.s.BodyMass(1) * sunSpeed * sunSpeed / 2;
    ASSERT_GT(sunKinetic / std::abs(run.recorder.Baseline().total), 1e-5);

    run.Steps(1, true);
    ASSERT_EQ(run.recorder.BaselineTimes().size(), 1u);
    EXPECT_LT(*run.recorder.EnergyChange(), 1e-8);
    EXPECT_LT(*run.recorder.AngularMomentumChange(), 1e-8);
    run.Steps(50, true);
    EXPECT_LT(*run.recorder.EnergyChange(), 1e-6);

    // And back: the held Sun kept its velocity, which the free one moves with again.
    run.Steps(1, false);
    ASSERT_EQ(run.recorder.BaselineTimes().size(), 2u);
    EXPECT_LT(*run.recorder.EnergyChange(), 1e-8);
    EXPECT_LT(*run.recorder.AngularMomentumChange(), 1e-8);
}

TEST(SunSwitch, ChosenBeforeTheFirstStepItMarksNoNewBaseline) {
    SwitchRun run;
    run.s.Options.SunHeld = SunMode::Held;
    run.recorder.Start(SnapshotOf(run.s));
    run.Steps(3, false);
    EXPECT_TRUE(run.recorder.BaselineTimes().empty());
    const auto& samples = run.recorder.History().Samples();
    ASSERT_EQ(samples.size(), 4u);
    EXPECT_FALSE(samples[0].sunHeld); // the start measured as the free Sun the run began with
    EXPECT_EQ(samples[0].relativeEnergyChange, 0);
    EXPECT_LT(*run.recorder.EnergyChange(), 1e-7);
}

TEST(SunSwitch, ANewStartForgetsThePreviousRunsMarks) {
    SwitchRun run;
    run.s.Options.SunHeld = SunMode::Held;
    run.recorder.Start(SnapshotOf(run.s));
    run.Steps(3, true);
    run.Steps(3, false);
    ASSERT_EQ(run.recorder.BaselineTimes().size(), 1u);
    SimState fresh = test::StartupState();
    fresh.PackState();
    run.recorder.Start(SnapshotOf(fresh));
    EXPECT_TRUE(run.recorder.BaselineTimes().empty());
    EXPECT_EQ(run.recorder.History().Samples().size(), 1u);
    EXPECT_EQ(run.recorder.Steps(), 0u);
}

TEST(Readings, AnUnboundBodyShowsNoMeasuredPeriod) {
    // A circle about a held Sun sampled 40 times a revolution for 1.2 revolutions, then a kick to twice
    // the circular speed (beyond escape, sqrt(2) times it).
    const double M = 2e30, r = 1e11;
    const double v = std::sqrt(G * M / r);
    const double period = 2 * std::numbers::pi * r / v;
    MeasureRecorder recorder;
    const auto at = [&](double t, double speedFactor) {
        const double angle = 2 * std::numbers::pi * t / period;
        RunSnapshot s = SunAndBody(true, M, 0, r * std::cos(angle), r * std::sin(angle),
                                   -speedFactor * v * std::sin(angle), speedFactor * v * std::cos(angle));
        s.time = t;
        return s;
    };
    recorder.Start(at(0, 1));
    for (int k = 1; k <= 48; ++k)
        recorder.Record(at(k * period / 40, 1));
    BodyReading reading = ReadBody(recorder, Asteroid);
    ASSERT_TRUE(reading.measuredPeriod);
    EXPECT_NEAR(*reading.measuredPeriod / period, 1, 1e-9);
    EXPECT_NEAR(*reading.periodDifferencePct, 0, 1e-6);

    recorder.Record(at(49 * period / 40, 2));
    reading = ReadBody(recorder, Asteroid);
    EXPECT_EQ(reading.orbit.kind, OrbitKind::Receding);
    EXPECT_FALSE(reading.measuredPeriod);
    EXPECT_FALSE(reading.periodDifferencePct);
    EXPECT_TRUE(recorder.MeasuredPeriod(Asteroid)); // the clock still knows; the reading does not show it
}

TEST(Readings, ElapsedTimeIsTheRunsOwn) {
    SimState s = test::StartupState();
    s.SimTime = 400 * Day;
    s.ElapsedDays = 400;
    s.ElapsedYears = 1;
    s.ElapsedDaysRem = 35;
    const RunSnapshot snapshot = SnapshotOf(s);
    EXPECT_EQ(snapshot.elapsedDays, 400);
    EXPECT_EQ(snapshot.elapsedYears, 1);
    EXPECT_EQ(snapshot.elapsedDaysRem, 35);
}

TEST(History, EvenlySpacedFromTheStartAfterAHundredThousandSamples) {
    SampleHistory history(10000);
    for (int k = 0; k <= 100000; ++k) {
        Sample sample;
        sample.time = 2.0 * k;
        history.Add(sample);
    }
    const auto& samples = history.Samples();
    ASSERT_LE(samples.size(), 10000u);
    EXPECT_EQ(samples.front().time, 0);
    EXPECT_EQ(samples.back().time, 200000); // the newest moment is always there
    // 100 001 moments through 10 000 places: the stride has doubled four times, to 16.
    EXPECT_EQ(history.Stride(), 16u);
    const double spacing = samples[1].time - samples[0].time;
    EXPECT_EQ(spacing, 32);
    for (std::size_t k = 1; k + 1 < samples.size(); ++k)
        ASSERT_EQ(samples[k].time - samples[k - 1].time, spacing) << k;
    EXPECT_GT(samples.back().time - samples[samples.size() - 2].time, 0);
    EXPECT_LE(samples.back().time - samples[samples.size() - 2].time, spacing);
    // Nothing is lost at the beginning: the first tenth of the run holds a tenth of the rows.
    const auto early =
        std::count_if(samples.begin(), samples.end(), [](const Sample& s) { return s.time < 20000; });
    EXPECT_NEAR(static_cast<double>(early) / static_cast<double>(samples.size()), 0.1, 0.01);
}

// A new run after a long one keeps every moment again from its start, not the old run's spacing.
TEST(History, ANewRunAfterALongOneStartsUnthinned) {
    SampleHistory history(100);
    for (int k = 0; k <= 1000; ++k) {
        Sample sample;
        sample.time = k;
        history.Add(sample);
    }
    ASSERT_GT(history.Stride(), 1u);
    history.Clear();
    for (int k = 0; k < 50; ++k) {
        Sample sample;
        sample.time = k;
        history.Add(sample);
    }
    EXPECT_EQ(history.Stride(), 1u);
    ASSERT_EQ(history.Samples().size(), 50u);
    for (std::size_t k = 0; k < 50; ++k)
        ASSERT_EQ(history.Samples()[k].time, static_cast<double>(k));
}

// The fields of the CSV text, row by row, without its byte-order mark.
std::vector<std::vector<std::string>> Fields(const std::string& csv, char separator) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(csv.substr(3));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> fields;
        std::string field;
        std::istringstream split(line);
        while (std::getline(split, field, separator)) {
            // A quoted field (a number with a decimal comma) holds no separator: its quotes go.
            if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
                field = field.substr(1, field.size() - 2);
            fields.push_back(field);
        }
        if (!line.empty() && line.back() == separator) fields.emplace_back();
        rows.push_back(fields);
    }
    return rows;
}

// A field's number, with a decimal point or comma, whatever the C library's locale.
double Number(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    double value = std::nan("");
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

CsvWords NumberedWords(const RunSnapshot& run) {
    CsvWords words;
    // Appended, not "c" + std::to_string(k): GCC 12 at -O3 warns falsely (-Wrestrict) on the latter.
    for (std::size_t k = 0; k < HistoryCsvColumns(run).size(); ++k)
        words.header.push_back(std::string("c").append(std::to_string(k)));
    words.sunHeld = "held";
    words.sunFree = "free";
    return words;
}

TEST(Csv, DerivedColumnsFollowTheSunsModeAndTheFirstChangeIsZero) {
    SwitchRun run;
    run.s.Options.SunHeld = SunMode::Held;
    run.recorder.Start(SnapshotOf(run.s));
    run.Steps(200, true);
    run.Steps(200, false);
    const RunSnapshot& constants = run.recorder.Latest();
    const std::vector<CsvColumn> columns = HistoryCsvColumns(constants);
    ASSERT_EQ(columns.size(), 110u); // the polar angles and the method last, checked below
    const auto rows =
        Fields(HistoryCsv(run.recorder.History(), constants, NumberedWords(constants), {}), ',');
    ASSERT_EQ(rows.size(), 402u);
    EXPECT_EQ(rows[1][47], "0"); // |dE/E0| of the first row: written, and 0
    EXPECT_EQ(rows[1][48], "held");
    EXPECT_EQ(rows[401][48], "free");

    // The derived columns recomputed from the row's own state: the Sun's and the body's positions and
    // velocities as written, the masses of the run, mu by the row's mode.
    for (const std::size_t row : {std::size_t{1}, std::size_t{150}, std::size_t{401}}) {
        const auto& f = rows[row];
        const bool held = f[48] == "held";
        const auto value = [&](std::size_t k) { return Number(f[k]); };
        for (int b = Mercury; b <= Asteroid; ++b) {
            const std::size_t at = static_cast<std::size_t>(1 + 4 * (b - 1));
            const double rx = (value(at) - value(1)) * 1e9, ry = (value(at + 1) - value(2)) * 1e9;
            const double wx = value(at + 2) - value(3), wy = value(at + 3) - value(4);
            const double mu = constants.gravConst * (constants.mass[1] + (held ? 0 : constants.mass[b]));
            const double r = std::hypot(rx, ry), v = std::hypot(wx, wy);
            const double energy = v * v / 2 - mu / r;
            const double h = rx * wy - ry * wx;
            const double a = -mu / (2 * energy);
            const double e = std::sqrt(1 + 2 * energy * h * h / (mu * mu));
            const std::size_t d = static_cast<std::size_t>(49 + 5 * (b - Mercury));
            EXPECT_NEAR(value(d) / (r / 1e9), 1, 1e-12) << row << " " << b;
            EXPECT_NEAR(value(d + 1) / (v / 1000), 1, 1e-12) << row << " " << b;
            if (energy >= 0) {
                EXPECT_EQ(f[d + 2], "");
                continue;
            }
            EXPECT_NEAR(value(d + 2) / (a / Au), 1, 1e-9) << row << " " << b;
            EXPECT_NEAR(value(d + 3), e, 1e-9) << row << " " << b;
            EXPECT_NEAR(value(d + 4) / (2 * std::numbers::pi * std::sqrt(a * a * a / mu) / Day), 1, 1e-9);
        }
        // The polar angle about the Sun, 0 to 360 degrees, from the row's own positions.
        for (int b = Mercury; b <= Asteroid; ++b) {
            const std::size_t at = static_cast<std::size_t>(1 + 4 * (b - 1));
            double angle =
                std::atan2(value(at + 1) - value(2), value(at) - value(1)) * 180 / std::numbers::pi;
            if (angle < 0) angle += 360;
            const double written = value(static_cast<std::size_t>(99 + b - Mercury));
            EXPECT_NEAR(written, angle, 1e-6) << row << " " << b;
            EXPECT_GE(written, 0);
            EXPECT_LT(written, 360);
        }
    }
    // The Earth's speed at the default start: sqrt(30165^2 + 2639^2) m/s = 30.280 km/s, in km/s.
    EXPECT_NEAR(Number(rows[1][49 + 5 * (Earth - Mercury) + 1]), 30.2802, 1e-4);
}

TEST(Csv, RealLongitudesBesideTheSimulatedOnesForARunFromRealPositions) {
    SimState s = test::StartupState();
    s.LoadEpochData();
    s.BodyMassPct(Asteroid) = 0;
    s.PackState();
    RunSnapshot start = SnapshotOf(s);
    const std::vector<CsvColumn> columns = HistoryCsvColumns(start);
    // 49 columns, then per planet 5 + 2 and for the asteroid 5 + 1, then the ten polar angles and the
    // method.
    ASSERT_EQ(columns.size(), 49u + 9 * 7 + 6 + 10 + 1);
    EXPECT_EQ(columns[49 + 5].quantity, CsvQuantity::Longitude);
    EXPECT_EQ(columns[49 + 6].quantity, CsvQuantity::RealLongitude);
    EXPECT_EQ(columns[49 + 9 * 7 + 5].quantity, CsvQuantity::Longitude);
    EXPECT_EQ(columns[49 + 9 * 7 + 5].body, Asteroid);
    EXPECT_EQ(columns[columns.size() - 2].quantity, CsvQuantity::PolarAngle);
    EXPECT_EQ(columns[columns.size() - 2].body, Asteroid);
    EXPECT_EQ(columns.back().quantity, CsvQuantity::Method);

    MeasureRecorder recorder;
    recorder.Start(start);
    const auto rows = Fields(HistoryCsv(recorder.History(), start, NumberedWords(start), {true}), ';');
    ASSERT_EQ(rows.size(), 2u);
    // 1.1.2000, 0 h: the real longitudes worked out from JPL's table separately (Mercury … Pluto), the
    // simulated ones from the data set's positions.
    const double real[] = {252.4108, 181.7978, 99.8706,  359.1353, 36.3349,
                           45.5605,  316.3936, 303.9134, 250.5321};
    for (int b = Mercury; b <= Pluto; ++b) {
        const std::size_t at = static_cast<std::size_t>(49 + 7 * (b - Mercury));
        const auto number = [&](std::size_t k) { return Number(rows[1][k]); };
        EXPECT_NEAR(number(at + 6), real[b - Mercury], 1e-3) << b;
        double simulated = std::atan2(s.BodyY(b), s.BodyX(b)) * 180 / std::numbers::pi;
        if (simulated < 0) simulated += 360;
        EXPECT_NEAR(number(at + 5), simulated, 1e-9) << b;
    }
}

// The planet elements hold from 1800 to 2050 only: a run that goes past 31.12.2050 has no real
// longitude to write from then on, and its fields stay empty.
TEST(Csv, NoRealLongitudeOnceTheRunHasLeftTheEphemerisYears) {
    SwitchRun run;
    ASSERT_FALSE(LoadDataSetOnDate(run.s, {2050, 12, 29}));
    run.s.PackState();
    const RunSnapshot start = SnapshotOf(run.s);
    run.recorder.Start(start);
    run.Steps(3, true); // two days each: 31.12.2050, 2.1.2051, 4.1.2051
    const auto rows = Fields(HistoryCsv(run.recorder.History(), start, NumberedWords(start), {}), ',');
    ASSERT_EQ(rows.size(), 5u);
    const std::size_t earthReal = static_cast<std::size_t>(49 + 7 * (Earth - Mercury) + 6);
    EXPECT_NE(rows[1][earthReal], ""); // 29.12.2050
    EXPECT_NE(rows[2][earthReal], ""); // 31.12.2050
    EXPECT_EQ(rows[3][earthReal], ""); // 2.1.2051
    EXPECT_EQ(rows[4][earthReal], "");
    EXPECT_NE(rows[4][earthReal - 1], ""); // the simulated longitude goes on
}

TEST(RealSky, EveryPlanetsRealLongitudeOnTwoDates) {
    // From JPL's table by a separate calculation, Mercury to Pluto: 1.1.2000, 0 h and 3760 days later.
    const double onEpoch[] = {252.4108, 181.7978, 99.8706,  359.1353, 36.3349,
                              45.5605,  316.3936, 303.9134, 250.5321};
    const double later[] = {181.2144, 84.6094,  207.7192, 163.9852, 344.0087,
                            181.9265, 356.7775, 326.3951, 273.5555};
    RunSnapshot s;
    s.dataSetDate = CalendarDate{2000, 1, 1};
    for (int b = Mercury; b <= Pluto; ++b) {
        s.x[b] = std::cos(b);
        s.y[b] = std::sin(b);
    }
    for (const double days : {0.0, 3760.0}) {
        s.time = days * Day;
        const SkyComparison sky = CompareWithRealSky(s);
        ASSERT_EQ(sky.status, SkyStatus::Compared);
        for (int b = Mercury; b <= Pluto; ++b) {
            const double expected = (days == 0 ? onEpoch : later)[b - Mercury];
            EXPECT_NEAR(sky.realLongitudeDeg[b], expected, 1e-3) << b << " " << days;
            const double simulated =
                std::remainder(static_cast<double>(b), 2 * std::numbers::pi) * 180 / std::numbers::pi;
            EXPECT_NEAR(sky.differenceDeg[b], WrapDegrees180(simulated - expected), 1e-3) << b;
        }
    }
}

TEST(PlotData, SeriesRangesAndThinning) {
    SampleHistory history;
    for (int k = 0; k <= 100; ++k) {
        Sample sample;
        sample.time = k * Day;
        sample.x[Earth] = (100 + k) * 1e9; // 100 to 200 million km from the Sun at the origin
        sample.relativeEnergyChange = k == 0 ? 0 : 1e-9 * k;
        history.Add(sample);
    }
    PlotSeries distance;
    BuildPlotSeries(history, PlotQuantity::Distance, Earth, distance);
    EXPECT_FALSE(distance.inYears);
    ASSERT_EQ(distance.times.size(), 101u);
    EXPECT_EQ(distance.times[100], 100);
    EXPECT_EQ(distance.values[100], 200);
    const PlotRange d = PlotRangeOf(distance, PlotQuantity::Distance);
    EXPECT_EQ(d.timeMax, 100);
    EXPECT_EQ(d.valueMin, 95); // 5 % of the span below and above
    EXPECT_EQ(d.valueMax, 205);

    PlotSeries energy;
    BuildPlotSeries(history, PlotQuantity::EnergyChange, Earth, energy);
    EXPECT_EQ(energy.values[0], -16); // 0 drawn on the floor of 1e-16
    EXPECT_NEAR(energy.values[100], -7, 1e-12);
    const PlotRange e = PlotRangeOf(energy, PlotQuantity::EnergyChange);
    EXPECT_EQ(e.valueMin, -16);
    EXPECT_EQ(e.valueMax, -7);

    // 101 points over 10 pixels: two per column, lowest and highest, in the order they came.
    std::vector<PlotPoint> curve;
    ThinToPixelColumns(distance, 100, 0, 10, curve);
    ASSERT_EQ(curve.size(), 22u); // columns 0 … 10, the last holding only t = 100
    EXPECT_EQ(curve[0].column, 0);
    EXPECT_EQ(curve[0].value, 100);
    EXPECT_EQ(curve[1].value, 109);
    EXPECT_EQ(curve[21].column, 10);

    // Years from two years of run on, and a short run still shows ten days.
    Sample late;
    late.time = 800 * Day;
    history.Add(late);
    BuildPlotSeries(history, PlotQuantity::Distance, Earth, distance);
    EXPECT_TRUE(distance.inYears);
    EXPECT_NEAR(distance.times.back(), 800 / 365.25, 1e-12);
    SampleHistory shortRun;
    shortRun.Add(Sample{});
    BuildPlotSeries(shortRun, PlotQuantity::Distance, Earth, distance);
    EXPECT_EQ(PlotRangeOf(distance, PlotQuantity::Distance).timeMax, 10);
}

} // namespace
} // namespace orvane::measure
