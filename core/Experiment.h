#pragma once

#include "Bodies.h"
#include "Calendar.h"
#include "Error.h"
#include "ExperimentOptions.h"
#include "SolverMethod.h"

#include <array>
#include <optional>

namespace orvane {

class SimState;

// The set-up window's accuracy choice: a step of 2 days, 1 day or 0.1 day.
enum class Accuracy { Low, Medium, High };

// The step length of an accuracy choice, in seconds.
double TimeStepOf(Accuracy accuracy);
// The choice whose step this is; none for a step no choice gives.
std::optional<Accuracy> AccuracyOf(double timeStep);

// One body of an experiment: mass in percent of the Earth's, position in metres, velocity in metres per
// second, polar angle in degrees (planets).
struct ExperimentBody {
    double massPct = 0;
    double x = 0;
    double y = 0;
    double vx = 0;
    double vy = 0;
    double angle = 0;
};

// What a load does with the masses of the body table. Only a lesson experiment brings masses of its
// own; the data sets of real positions give the nine planets their real masses back (a lesson may have
// changed them), and a parameter file holds no masses at all.
enum class MassRule { Keep, RealPlanets, All };

// How many digits the values carry: as given (the program's own tables, a lesson), whole numbers (a
// parameter file, shown truncated), or more than the narrow cells can show (worked out for a date).
enum class Digits { Full, Whole, Computed };

// A whole experiment, whatever it came from: the default data, a data set of real positions, a parameter
// file or a lesson experiment. The set-up window puts every one of them into the body table the same way
// (ApplyExperiment), so the rules below hold for every source alike.
struct Experiment {
    std::array<ExperimentBody, body::Count> bodies{};
    MassRule masses = MassRule::Keep;
    // The planets' angles also become the preset angles the table shows after a data set; a parameter
    // file sets only the current ones.
    bool presetAngles = true;
    Digits digits = Digits::Full;
    // Left out: the accuracy stays as chosen.
    std::optional<Accuracy> accuracy;
    // The Sun's mode of the next start. Left out, a mode another load left pending is dropped: the
    // experiment window keeps its own setting.
    std::optional<SunMode> sun;
    // The method of solving a lesson asks for. Left out, the one chosen in the set-up window stays.
    std::optional<SolverMethod> method;
    // The date whose real positions the planets are, exactly as a data set loads them.
    std::optional<CalendarDate> date;
};

// The body table as it stands, with all its masses, the accuracy in effect and the date it holds.
Experiment ExperimentOf(const SimState& state);

// The built-in 1.1.2000 data set over the current table: the Sun and the asteroid keep their masses,
// the asteroid its place.
Experiment EpochExperiment(const SimState& state);

// The planets on a date (see LoadDataSetOnDate) over the current table, or why that date cannot be
// loaded.
struct ExperimentOnDate {
    std::optional<Experiment> experiment;
    std::optional<Error> refusal;
};
ExperimentOnDate PlanetsOnDate(const SimState& state, const CalendarDate& date);

// The one place an experiment enters the body table: positions, velocities, angles, the masses by the
// experiment's rule, the accuracy and the method where it sets them, and the date of real positions it holds
// (none clears the one before).
void ApplyExperiment(SimState& state, const Experiment& experiment);

// The first planet whose mass is not its real one, 0 when all are (only a lesson experiment changes a
// planet's mass).
int PlanetWithChangedMass(const SimState& state);

} // namespace orvane
