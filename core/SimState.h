#pragma once

#include "Calendar.h"
#include "Checked.h"
#include "ExperimentOptions.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace orvane {

class DrawingSurface;
struct DataSet;

using Integer = std::int16_t;
using BodyArray = BoundedArray<double, 0, 12>;
using StateArray = BoundedArray<double, 0, 45>;
using PairArray = BoundedArray2D<double, 12, 12>;

class SimState;

// The right-hand side a step integrates: a procedure of the state that fills DerivVec(1..n) from
// StateVec(1..n), such as NBodyDerivatives (all eleven bodies, 44 components) or OrbitDerivatives (one
// planet around a Sun fixed at the origin, 4 components), given as &SimState::NBodyDerivatives.
using Derivative = std::function<void(SimState&)>;

// The whole shared state of the simulation under its established names, and the procedures that
// work on it. Everything starts at zero; the set-up window's load handler assigns the constants and
// the default data. Procedures take no arguments where the program's design has them read the shared
// loop index instead (SetBodyColor and OrbitDerivatives read LoopI).
class SimState {
  public:
    // Constants, assigned once at start-up.
    double EarthMass = 0;
    double GravConst = 0;
    double LengthUnit = 0;
    Integer OrbiterCount = 0;
    Integer BodyCount = 0;
    Integer StateDim = 0;

    // Body table.
    BodyArray BodyX{"BodyX"};
    BodyArray BodyY{"BodyY"};
    BodyArray BodyVx{"BodyVx"};
    BodyArray BodyVy{"BodyVy"};
    BodyArray BodyMassPct{"BodyMassPct"};
    BodyArray BodyMass{"BodyMass"};
    BodyArray BodyAngle{"BodyAngle"};
    BodyArray PlanetAngle{"PlanetAngle"};

    // State vector and the Runge–Kutta work vectors. The other methods (core/Integrator.h) keep their
    // work vectors themselves; these stay here because a Runge–Kutta step has always left its start and
    // its four increments in the shared state, where the program's tests and tools read them.
    StateArray StateVec{"StateVec"};
    StateArray DerivVec{"DerivVec"};
    StateArray StepStart{"StepStart"};
    StateArray RkK1{"RkK1"};
    StateArray RkK2{"RkK2"};
    StateArray RkK3{"RkK3"};
    StateArray RkK4{"RkK4"};

    // Pair work arrays of the force computation; their values persist between evaluations.
    PairArray PairDx{"PairDx"};
    PairArray PairDy{"PairDy"};
    PairArray PairDist{"PairDist"};
    PairArray PairAngle{"PairAngle"};
    PairArray PairForce{"PairForce"};
    PairArray PairFx{"PairFx"};
    PairArray PairFy{"PairFy"};

    // Scalars of the simulation core.
    double MaxAbsX = 0;
    double MaxAbsY = 0;
    double ViewHalfX = 0;
    double ViewHalfY = 0;
    double OrbitDist = 0;
    double OrbitForce = 0;
    double OrbitFx = 0;
    double OrbitFy = 0;

    // The step, the slow-down and the Sun switch: TimeStep, StepDelayMs, SunHeld.
    ExperimentOptions Options;

    // Scalars and arrays of the windows.
    Integer SelectedBody = 0;
    double SimTime = 0;
    double ElapsedDays = 0;
    double ElapsedYears = 0;
    double ElapsedDaysRem = 0;
    BodyArray ScreenX{"ScreenX"};
    BodyArray ScreenY{"ScreenY"};
    double AngleRad = 0;

    // Shared loop indices and colour registers.
    Integer LoopI = 0;
    Integer LoopJ = 0;
    Integer LoopK = 0;
    Integer ColorR = 0;
    Integer ColorG = 0;
    Integer ColorB = 0;

    // The date whose real planet positions the body table holds, while it holds them exactly as a data
    // set of real positions loaded them; any other change of a position, velocity or mass clears it. A run
    // started from such a table can be compared with the real sky.
    std::optional<CalendarDate> DataSetDate;

    // Changes of the body table made by the user or by a run. A data set of real positions holds nothing
    // for the asteroid, so only a changed value of another body clears DataSetDate: the planets of such a
    // table can still be compared with the real sky, whatever the asteroid does.
    void SetBodyValue(BodyArray SimState::*column, int body, double value);
    void SetBodyState(int body, double x, double y, double vx, double vy);

    // Constants, counts, options and the default data set of the eleven bodies, with their masses
    // in kilograms and the current planet angles (everything the set-up window's load handler
    // assigns before it fills its parameter table).
    void AssignStartupValues();
    // The positions, velocities and angles of a built-in data set, and its masses where it has them,
    // body by body.
    void LoadDataSet(const DataSet& set);
    // The 1.1.2000 data set; the planets' current angles follow it.
    void LoadEpochData();

    // For each body i = 1 … n: m_i = M_Earth · p_i / 100 (p_i = BodyMassPct, in per cent of the Earth's
    // mass), and StateVec = (x_1 … x_n, y_1 … y_n, vx_1 … vx_n, vy_1 … vy_n) from the body table. The
    // preview's half-size, equal on both axes, in million km: ViewHalfX = ViewHalfY = 1.1 · max(X, Y) with
    // X = max |x_i|, Y = max |y_i|.
    void PackState();
    void SetBodyColor();
    // dx_i/dt = vx_i, dy_i/dt = vy_i, and for every body with mass
    //     dv_i/dt = (1 / m_i) · Σ_{j ≠ i} F_ij,   |F_ij| = G · m_i · m_j / d_ij²,
    // F_ij pointing from i to j, d_ij = |r_j − r_i|. Each pair is formed once (i < j) as |F| and the angle
    // θ = atan |dy / dx| (|dx| below 1 km taken as 1 km, dx = 0 as θ = π/2), its x and y parts
    // |F| cos θ and |F| sin θ signed like dx and dy; body i adds it, body j subtracts it. The Neptune–Pluto
    // distance is never below its floor and two bodies at one place pull on each other not at all. A
    // massless body other than the Sun is a test particle: dv_k/dt = Σ_{j ≠ k} G · m_j / d_jk² in the same
    // directions, and it pulls no one. While the Sun is held, all four of its derivatives are 0.
    void NBodyDerivatives();
    // Planet b = LoopI around a Sun fixed at the origin, state (x, y, vx, vy), r = √(x² + y²):
    //     dx/dt = vx, dy/dt = vy, dv/dt = −(G · M_Sun · m_b / r²) / m_b · (cos θ, sin θ) signed like (x, y),
    // θ = atan |y / x| (π/2 on the y axis): Kepler's pull −G · M_Sun · r⃗ / r³, also for a planet without
    // mass (then m_b is taken as 1 kg). A planet at the Sun itself stops the run with an error.
    void OrbitDerivatives();

    // One classical fourth-order Runge–Kutta step of StateVec(1..n) with step Options.TimeStep, evaluating
    // `derivative` four times. A step that raises the run-time error leaves StateVec as it was when the
    // step began.
    void RungeKuttaStep(Integer n, const Derivative& derivative);
    // The same step with step length h.
    void RungeKuttaStep(Integer n, const Derivative& derivative, double h);

    // Draws the body table on the set-up window's two preview screens.
    void DrawSetupScreens(DrawingSurface& picture1, DrawingSurface& picture2);

  private:
    void AcceleratePair(int i, int j);
    void AccelerateTestParticle(int k);
};

// A colour value from its three components, any component above 255 taken as 255.
std::int32_t RgbColor(long long red, long long green, long long blue);

} // namespace orvane
