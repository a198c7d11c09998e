#include "Integrator.h"
#include "Bodies.h"
#include "CoreTestSupport.h"
#include "ExperimentTick.h"
#include "StateLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using test::OrbitVx;
using test::OrbitVy;
using test::OrbitX;
using test::OrbitY;
using test::StartupState;

constexpr int N = body::Count;
constexpr int StateDim = 4 * N;

// One planet about a Sun fixed at the origin (OrbitDerivatives): Kepler's problem, whose solution is
// known. The planet starts at perihelion q = a (1 - e) on the +x axis, moving in +y with the vis-viva
// speed.
struct Kepler {
    SimState s = StartupState();
    double gm = 0;
    double a = 1.5e11;
    double period = 0;

    explicit Kepler(double e) {
        s.LoopI = body::Earth;
        gm = s.BodyMass(body::Sun) * s.GravConst;
        period = 2 * std::numbers::pi * std::sqrt(a * a * a / gm);
        const double q = a * (1 - e);
        s.StateVec(OrbitX) = q;
        s.StateVec(OrbitY) = 0;
        s.StateVec(OrbitVx) = 0;
        s.StateVec(OrbitVy) = std::sqrt(gm * (2 / q - 1 / a));
    }
    double Energy() const {
        const double r = std::hypot(s.StateVec(OrbitX), s.StateVec(OrbitY));
        const double vx = s.StateVec(OrbitVx), vy = s.StateVec(OrbitVy);
        return (vx * vx + vy * vy) / 2 - gm / r;
    }
};

// The error after a quarter of a circular orbit taken in `steps` steps, in position and velocity relative
// to the radius and the speed: the planet should then be at (0, r) moving with (-v, 0). (After a whole
// period the symplectic Euler method's first-order error cancels and it would look second-order.)
double ErrorAfterAQuarter(SolverMethod method, int steps) {
    Kepler k(0);
    const double r = k.a, v = k.s.StateVec(OrbitVy);
    const auto integrator = FactsOf(method).make();
    double time = 0;
    const double h = k.period / 4 / steps;
    for (int i = 0; i < steps; ++i)
        integrator->Step(k.s, time, h, 4, &SimState::OrbitDerivatives);
    EXPECT_NEAR(time, k.period / 4, 1e-9 * k.period);
    return std::hypot(k.s.StateVec(OrbitX), k.s.StateVec(OrbitY) - r) / r +
           std::hypot(k.s.StateVec(OrbitVx) + v, k.s.StateVec(OrbitVy)) / v;
}

// Halving the step divides the error by 2 to the method's order: 2, 2, 4 and 16.
TEST(IntegratorOrder, HalvingTheStepDividesTheErrorAsTheOrderSays) {
    const struct {
        SolverMethod method;
        double ratio;
    } expected[] = {{SolverMethod::Euler, 2},
                    {SolverMethod::SymplecticEuler, 2},
                    {SolverMethod::Leapfrog, 4},
                    {SolverMethod::RungeKutta4, 16}};
    for (const auto& [method, ratio] : expected) {
        const double coarse = ErrorAfterAQuarter(method, 100);
        const double fine = ErrorAfterAQuarter(method, 200);
        EXPECT_NEAR(coarse / fine, ratio, 0.05 * ratio) << FactsOf(method).key;
        EXPECT_EQ(1 << FactsOf(method).order, ratio) << "the table's order of " << FactsOf(method).key;
        EXPECT_LT(coarse, 0.1) << FactsOf(method).key;
    }
    // At one step the methods rank as their orders say.
    EXPECT_GT(ErrorAfterAQuarter(SolverMethod::Euler, 100), ErrorAfterAQuarter(SolverMethod::Leapfrog, 100));
    EXPECT_GT(ErrorAfterAQuarter(SolverMethod::Leapfrog, 100),
              ErrorAfterAQuarter(SolverMethod::RungeKutta4, 100));
}

// The planet at (r, 0) moving with (0, v) about the held Sun, one step worked out by hand from each
// method's formulas with the acceleration -GM r⃗ / r³.
struct HandStep {
    Kepler k{0};
    double r = k.a;
    double v = k.s.StateVec(OrbitVy);
    double h = 86400;

    std::array<double, 4> Acc(double x, double y) const {
        const double d = std::hypot(x, y);
        return {-k.gm * x / (d * d * d), -k.gm * y / (d * d * d)};
    }
    std::array<double, 4> Step(SolverMethod method) {
        const auto integrator = FactsOf(method).make();
        double time = 0;
        integrator->Step(k.s, time, h, 4, &SimState::OrbitDerivatives);
        EXPECT_EQ(time, h);
        return {k.s.StateVec(OrbitX), k.s.StateVec(OrbitY), k.s.StateVec(OrbitVx), k.s.StateVec(OrbitVy)};
    }
};

void ExpectState(const std::array<double, 4>& got, const std::array<double, 4>& want, const char* method) {
    for (std::size_t c = 0; c < 4; ++c)
        EXPECT_NEAR(got[c], want[c], 1e-12 * std::max(std::fabs(want[c]), 1.0))
            << method << " component " << c;
}

TEST(IntegratorOneStep, EachMethodTakesTheStepItsFormulasGive) {
    {
        HandStep t;
        const double g = t.k.gm / (t.r * t.r);
        // Euler: everything from the start, x₁ = x₀ + h v₀, v₁ = v₀ + h a(x₀).
        ExpectState(t.Step(SolverMethod::Euler), {t.r, t.h * t.v, -t.h * g, t.v}, "euler");
    }
    {
        HandStep t;
        const double g = t.k.gm / (t.r * t.r);
        // Symplectic Euler: the velocity first, then the position with the new velocity.
        ExpectState(t.Step(SolverMethod::SymplecticEuler), {t.r - t.h * t.h * g, t.h * t.v, -t.h * g, t.v},
                    "symplectic-euler");
    }
    {
        HandStep t;
        const double g = t.k.gm / (t.r * t.r);
        // Leapfrog: half a kick, a drift with the half-step velocity, half a kick at the new place.
        const double vxHalf = -t.h / 2 * g;
        const double x1 = t.r + t.h * vxHalf, y1 = t.h * t.v;
        const auto a1 = t.Acc(x1, y1);
        ExpectState(t.Step(SolverMethod::Leapfrog), {x1, y1, vxHalf + t.h / 2 * a1[0], t.v + t.h / 2 * a1[1]},
                    "leapfrog");
    }
    {
        HandStep t;
        // Runge–Kutta: the four stages, combined 1 : 2 : 2 : 1.
        const auto f = [&t](const std::array<double, 4>& y) {
            const auto a = t.Acc(y[0], y[1]);
            return std::array<double, 4>{y[2], y[3], a[0], a[1]};
        };
        const auto plus = [](const std::array<double, 4>& y, const std::array<double, 4>& d, double c) {
            return std::array<double, 4>{y[0] + c * d[0], y[1] + c * d[1], y[2] + c * d[2], y[3] + c * d[3]};
        };
        const std::array<double, 4> y0{t.r, 0, 0, t.v};
        const auto k1 = f(y0), k2 = f(plus(y0, k1, t.h / 2)), k3 = f(plus(y0, k2, t.h / 2)),
                   k4 = f(plus(y0, k3, t.h));
        std::array<double, 4> y1{};
        for (std::size_t c = 0; c < 4; ++c)
            y1[c] = y0[c] + t.h / 6 * (k1[c] + 2 * k2[c] + 2 * k3[c] + k4[c]);
        ExpectState(t.Step(SolverMethod::RungeKutta4), y1, "rk4");
    }
}

// The largest |ΔE/E₀| within the first ten orbits and over all `orbits`, and |ΔE/E₀| at the end of
// each orbit.
struct EnergyRecord {
    double firstTen = 0;
    double all = 0;
    std::vector<double> atOrbitEnds;
};
EnergyRecord EnergyOver(SolverMethod method, double e, int stepsPerOrbit, int orbits) {
    Kepler k(e);
    const double e0 = k.Energy();
    const auto integrator = FactsOf(method).make();
    double time = 0;
    const double h = k.period / stepsPerOrbit;
    EnergyRecord record;
    for (int orbit = 0; orbit < orbits; ++orbit) {
        double error = 0;
        for (int i = 0; i < stepsPerOrbit; ++i) {
            integrator->Step(k.s, time, h, 4, &SimState::OrbitDerivatives);
            error = std::fabs((k.Energy() - e0) / e0);
            if (orbit < 10) record.firstTen = std::max(record.firstTen, error);
            record.all = std::max(record.all, error);
        }
        record.atOrbitEnds.push_back(error);
    }
    return record;
}

TEST(IntegratorEnergy, SymplecticMethodsKeepTheEnergyErrorBoundedOverAThousandOrbits) {
    for (const double e : {0.0, 0.5}) {
        for (const SolverMethod method : {SolverMethod::SymplecticEuler, SolverMethod::Leapfrog}) {
            const EnergyRecord record = EnergyOver(method, e, 200, 1000);
            EXPECT_GT(record.firstTen, 0) << FactsOf(method).key << " e=" << e;
            EXPECT_LE(record.all, 2 * record.firstTen) << FactsOf(method).key << " e=" << e;
            EXPECT_LT(record.all, 0.1) << FactsOf(method).key << " e=" << e;
            EXPECT_TRUE(FactsOf(method).symplectic);
        }
        // Runge–Kutta's error is far smaller at first, but it drifts steadily: a hundred times as large
        // after a thousand orbits as after ten.
        const EnergyRecord rk4 = EnergyOver(SolverMethod::RungeKutta4, e, 200, 1000);
        EXPECT_GT(rk4.all, 50 * rk4.firstTen) << "e=" << e;
        EXPECT_FALSE(FactsOf(SolverMethod::RungeKutta4).symplectic);
    }
}

// Explicit Euler's error only grows: measured each time the planet crosses the +x axis again, for a
// number of revolutions (at a step short enough that it stays bound), each is larger than the one before.
std::vector<double> EulerEnergyErrorPerRevolution(double e, int stepsPerOrbit, int revolutions) {
    Kepler k(e);
    const double e0 = k.Energy();
    const auto integrator = MakeExplicitEuler();
    double time = 0;
    const double h = k.period / stepsPerOrbit;
    std::vector<double> errors;
    for (long step = 0;
         static_cast<int>(errors.size()) < revolutions && step < 20L * revolutions * stepsPerOrbit; ++step) {
        const double yBefore = k.s.StateVec(OrbitY);
        integrator->Step(k.s, time, h, 4, &SimState::OrbitDerivatives);
        if (yBefore < 0 && k.s.StateVec(OrbitY) >= 0) errors.push_back(std::fabs((k.Energy() - e0) / e0));
    }
    return errors;
}

TEST(IntegratorEnergy, ExplicitEulersEnergyErrorGrowsRevolutionAfterRevolution) {
    // The eccentric orbit grows faster: after 25 revolutions it is close to leaving.
    for (const auto& [e, revolutions] : {std::pair{0.0, 100}, std::pair{0.5, 25}}) {
        const std::vector<double> errors = EulerEnergyErrorPerRevolution(e, 2000, revolutions);
        ASSERT_EQ(errors.size(), static_cast<std::size_t>(revolutions)) << "e=" << e;
        for (std::size_t k = 1; k < errors.size(); ++k)
            ASSERT_GT(errors[k], errors[k - 1]) << "e=" << e << " revolution " << k;
        EXPECT_GT(errors.back(), 0.3) << "e=" << e;
        EXPECT_LT(errors.back(), 1) << "e=" << e << ": still bound";
    }
    EXPECT_FALSE(FactsOf(SolverMethod::Euler).symplectic);
}

// The default data at the 2-day step with the Sun held, as a run starts.
SimState DefaultRun() {
    SimState s = StartupState();
    s.PackState();
    s.Options.SunHeld = SunMode::Held;
    return s;
}

TEST(IntegratorRungeKutta, TheMethodThroughTheInterfaceIsTheProgramsStepBitForBit) {
    SimState direct = DefaultRun();
    SimState through = DefaultRun();
    const auto integrator = MakeRungeKutta4();
    double time = 0;
    for (int k = 0; k < 200; ++k) {
        direct.RungeKuttaStep(StateDim, &SimState::NBodyDerivatives);
        integrator->Step(through, time, through.Options.TimeStep, StateDim, &SimState::NBodyDerivatives);
    }
    EXPECT_TRUE(through.StateVec == direct.StateVec);
    EXPECT_TRUE(through.StepStart == direct.StepStart);
    EXPECT_TRUE(through.RkK1 == direct.RkK1 && through.RkK2 == direct.RkK2 && through.RkK3 == direct.RkK3 &&
                through.RkK4 == direct.RkK4);
    EXPECT_EQ(time, 200 * 172800.0);

    // A run's tick takes Runge–Kutta until another method is chosen.
    SimState shared = DefaultRun();
    EXPECT_EQ(shared.Options.Method, SolverMethod::RungeKutta4);
    SimState run = shared;
    RunIntegrator runIntegrator;
    for (int k = 0; k < 200; ++k)
        AdvanceExperiment(run, shared, runIntegrator);
    EXPECT_TRUE(run.StateVec == direct.StateVec);
    EXPECT_EQ(run.SimTime, 200 * 172800.0);
}

// A derivative that counts its evaluations and can raise the run-time error at a chosen one.
struct CountingDerivative {
    int calls = 0;
    int faultAt = 0;
    Derivative Get() {
        return [this](SimState& s) {
            ++calls;
            if (calls == faultAt) throw RunTimeError({.code = ErrorCode::FloatingPointOverflow});
            s.NBodyDerivatives();
        };
    }
};

TEST(IntegratorLeapfrog, EvaluatesTheForcesOncePerStepAfterTheFirst) {
    SimState cached = DefaultRun();
    SimState fresh = DefaultRun();
    const auto leapfrog = MakeLeapfrog();
    CountingDerivative counting;
    double time = 0;
    double freshTime = 0;
    for (int k = 0; k < 50; ++k) {
        leapfrog->Step(cached, time, 172800, StateDim, counting.Get());
        // A method made anew for every step keeps nothing: it evaluates at the start as well.
        MakeLeapfrog()->Step(fresh, freshTime, 172800, StateDim, &SimState::NBodyDerivatives);
    }
    EXPECT_EQ(counting.calls, 51);
    EXPECT_TRUE(cached.StateVec == fresh.StateVec); // keeping the forces changes no bit

    // The Sun let go from outside: the kept forces held it, so they are evaluated again.
    cached.Options.SunHeld = SunMode::Free;
    fresh.Options.SunHeld = SunMode::Free;
    leapfrog->Step(cached, time, 172800, StateDim, counting.Get());
    MakeLeapfrog()->Step(fresh, freshTime, 172800, StateDim, &SimState::NBodyDerivatives);
    EXPECT_EQ(counting.calls, 53);
    EXPECT_TRUE(cached.StateVec == fresh.StateVec);

    // A body moved from outside, and the masses changed: evaluated again as well.
    cached.StateVec(state::X(body::Earth, N)) += 1e9;
    leapfrog->Step(cached, time, 172800, StateDim, counting.Get());
    EXPECT_EQ(counting.calls, 55);
    cached.BodyMass(body::Jupiter) *= 2;
    leapfrog->Step(cached, time, 172800, StateDim, counting.Get());
    EXPECT_EQ(counting.calls, 57);
    leapfrog->Forget();
    leapfrog->Step(cached, time, 172800, StateDim, counting.Get());
    EXPECT_EQ(counting.calls, 59);
}

TEST(IntegratorRules, AHeldSunStaysWhateverVelocityItKeepsAndAMasslessAsteroidPullsNoOne) {
    for (const SolverMethodFacts& facts : SolverMethods) {
        SimState s = DefaultRun();
        s.StateVec(state::Vx(body::Sun, N)) = 1000;
        s.StateVec(state::Vy(body::Sun, N)) = -500;
        const auto integrator = facts.make();
        double time = 0;
        for (int k = 0; k < 20; ++k)
            integrator->Step(s, time, 172800, StateDim, &SimState::NBodyDerivatives);
        EXPECT_EQ(s.StateVec(state::X(body::Sun, N)), 0) << facts.key;
        EXPECT_EQ(s.StateVec(state::Y(body::Sun, N)), 0) << facts.key;
        EXPECT_EQ(s.StateVec(state::Vx(body::Sun, N)), 1000) << facts.key;

        SimState free = DefaultRun();
        free.Options.SunHeld = SunMode::Free;
        const auto other = facts.make();
        for (int k = 0; k < 20; ++k)
            other->Step(free, time, 172800, StateDim, &SimState::NBodyDerivatives);
        EXPECT_NE(free.StateVec(state::X(body::Sun, N)), 0) << facts.key << ": a free Sun is pulled";

        // A massless asteroid in two different places: the other bodies move exactly alike.
        SimState here = DefaultRun();
        SimState there = DefaultRun();
        here.BodyMass(body::Asteroid) = there.BodyMass(body::Asteroid) = 0;
        there.StateVec(state::X(body::Asteroid, N)) = -3e11;
        const auto a = facts.make();
        const auto b = facts.make();
        for (int k = 0; k < 20; ++k) {
            a->Step(here, time, 172800, StateDim, &SimState::NBodyDerivatives);
            b->Step(there, time, 172800, StateDim, &SimState::NBodyDerivatives);
        }
        for (int i = body::Sun; i <= body::Pluto; ++i)
            EXPECT_EQ(here.StateVec(state::X(i, N)), there.StateVec(state::X(i, N)))
                << facts.key << " body " << i;
        EXPECT_NE(here.StateVec(state::X(body::Asteroid, N)), there.StateVec(state::X(body::Asteroid, N)));
    }
}

// A step of `facts`' method from `s` at `time` raises the run-time error and leaves both as they were.
void ExpectStepUndone(const SolverMethodFacts& facts, SimState s, double time, double h) {
    const SimState before = s;
    const double timeBefore = time;
    EXPECT_THROW(facts.make()->Step(s, time, h, StateDim, &SimState::NBodyDerivatives), RunTimeError)
        << facts.key;
    EXPECT_TRUE(s.StateVec == before.StateVec) << facts.key;
    EXPECT_EQ(time, timeBefore) << facts.key;
}

TEST(IntegratorFaults, AFaultInAnyMethodLeavesTheStateAndTheTimeAsBeforeTheStep) {
    for (const SolverMethodFacts& facts : SolverMethods) {
        // A Sun of mass 0: its acceleration is 0/0 at the first evaluation.
        SimState massless = DefaultRun();
        massless.BodyMassPct(body::Sun) = 0;
        massless.PackState();
        ExpectStepUndone(facts, massless, 5, 172800);
        // A step so long that the new positions overflow: the state has been partly written.
        SimState flung = DefaultRun();
        flung.StateVec(state::Vx(body::Uranus, N)) = 1e300;
        ExpectStepUndone(facts, flung, 0, 1e307);
        // A fault at the last evaluation of a step, after every earlier stage has moved the state; the
        // step after it is the one a new method would take.
        {
            SimState s = DefaultRun();
            const auto integrator = facts.make();
            double time = 0;
            integrator->Step(s, time, 172800, StateDim, &SimState::NBodyDerivatives);
            const SimState before = s;
            const int lastEvaluation = facts.id == SolverMethod::RungeKutta4 ? 4 : 1;
            CountingDerivative counting{.calls = 0, .faultAt = lastEvaluation};
            EXPECT_THROW(integrator->Step(s, time, 172800, StateDim, counting.Get()), RunTimeError)
                << facts.key;
            EXPECT_TRUE(s.StateVec == before.StateVec) << facts.key;
            EXPECT_EQ(time, 172800) << facts.key;
            integrator->Step(s, time, 172800, StateDim, &SimState::NBodyDerivatives);
            SimState again = before;
            double againTime = 172800;
            facts.make()->Step(again, againTime, 172800, StateDim, &SimState::NBodyDerivatives);
            EXPECT_TRUE(s.StateVec == again.StateVec) << facts.key;
        }
    }
}

TEST(IntegratorTable, EveryMethodHasItsRowAndAnExperimentsKey) {
    for (const SolverMethodFacts& facts : SolverMethods) {
        EXPECT_EQ(facts.make()->Id(), facts.id) << facts.key;
        EXPECT_EQ(SolverMethodFromKey(facts.key), facts.id);
        EXPECT_EQ(&FactsOf(facts.id), &facts);
    }
    EXPECT_EQ(SolverMethodFromKey("euler"), SolverMethod::Euler);
    EXPECT_EQ(SolverMethodFromKey("symplectic-euler"), SolverMethod::SymplecticEuler);
    EXPECT_EQ(SolverMethodFromKey("leapfrog"), SolverMethod::Leapfrog);
    EXPECT_EQ(SolverMethodFromKey("rk4"), SolverMethod::RungeKutta4);
    EXPECT_FALSE(SolverMethodFromKey("RK4"));
    EXPECT_FALSE(SolverMethodFromKey(""));
    EXPECT_EQ(DefaultSolverMethod, SolverMethod::RungeKutta4);

    // The run's integrator follows the method its options name.
    RunIntegrator run;
    EXPECT_EQ(run.For(SolverMethod::Leapfrog).Id(), SolverMethod::Leapfrog);
    Integrator* kept = &run.For(SolverMethod::Leapfrog);
    EXPECT_EQ(&run.For(SolverMethod::Leapfrog), kept);
    EXPECT_EQ(run.For(SolverMethod::Euler).Id(), SolverMethod::Euler);
}

} // namespace
} // namespace orvane
