#pragma once

#include "Calendar.h"
#include "Checked.h"

#include <cstdint>
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
// planet around a Sun fixed at the origin, 4 components).
using Derivative = void (SimState::*)();

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

    // State vector and the Runge–Kutta work vectors.
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
    Integer SunHeld = 0;

    // Scalars and arrays of the windows.
    Integer SelectedBody = 0;
    double TimeStep = 0;
    double SimTime = 0;
    double ElapsedDays = 0;
    double ElapsedYears = 0;
    double ElapsedDaysRem = 0;
    Integer StepDelayMs = 0;
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

    void PackState();
    void SetBodyColor();
    void NBodyDerivatives();
    void OrbitDerivatives();

    // One classical fourth-order Runge–Kutta step of StateVec(1..n) with step TimeStep, evaluating
    // `derivative` four times. A step that raises the run-time error leaves StateVec as it was when the
    // step began.
    void RungeKuttaStep(Integer n, Derivative derivative);

    // Draws the body table on the set-up window's two preview screens.
    void DrawSetupScreens(DrawingSurface& picture1, DrawingSurface& picture2);

  private:
    void AcceleratePair(int i, int j);
    void AccelerateTestParticle(int k);
};

// A colour value from its three components, any component above 255 taken as 255.
std::int32_t RgbColor(long long red, long long green, long long blue);

} // namespace orvane
