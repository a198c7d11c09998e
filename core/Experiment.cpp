#include "Experiment.h"

#include "DataSetOnDate.h"
#include "DefaultData.h"
#include "SimState.h"
#include "Units.h"

namespace orvane {

double TimeStepOf(Accuracy accuracy) {
    switch (accuracy) {
    case Accuracy::Medium:
        return TimeStepMedium;
    case Accuracy::High:
        return TimeStepHigh;
    case Accuracy::Low:
        break;
    }
    return TimeStepLow;
}

std::optional<Accuracy> AccuracyOf(double timeStep) {
    for (const Accuracy accuracy : {Accuracy::Low, Accuracy::Medium, Accuracy::High})
        if (TimeStepOf(accuracy) == timeStep) return accuracy;
    return std::nullopt;
}

Experiment ExperimentOf(const SimState& s) {
    Experiment experiment;
    for (int i = 1; i <= body::Count; ++i)
        experiment.bodies[static_cast<std::size_t>(i - 1)] = {
            s.BodyMassPct(i), s.BodyX(i), s.BodyY(i), s.BodyVx(i), s.BodyVy(i), s.PlanetAngle(i)};
    experiment.masses = MassRule::All;
    experiment.accuracy = AccuracyOf(s.Options.TimeStep);
    experiment.date = s.DataSetDate;
    return experiment;
}

namespace {
// A data set loaded over a copy of the table: what it leaves alone stays as it is.
Experiment DataSetExperiment(const SimState& loaded, Digits digits) {
    Experiment experiment = ExperimentOf(loaded);
    experiment.masses = MassRule::RealPlanets;
    experiment.accuracy.reset();
    experiment.digits = digits;
    return experiment;
}
} // namespace

Experiment EpochExperiment(const SimState& state) {
    SimState loaded = state;
    loaded.LoadEpochData();
    return DataSetExperiment(loaded, Digits::Full);
}

ExperimentOnDate PlanetsOnDate(const SimState& state, const CalendarDate& date) {
    SimState loaded = state;
    if (auto refusal = LoadDataSetOnDate(loaded, date)) return {std::nullopt, std::move(refusal)};
    return {DataSetExperiment(loaded, Digits::Computed), std::nullopt};
}

void ApplyExperiment(SimState& s, const Experiment& experiment) {
    for (int i = 1; i <= body::Count; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        const ExperimentBody& b = experiment.bodies[k];
        s.BodyX(i) = b.x;
        s.BodyY(i) = b.y;
        s.BodyVx(i) = b.vx;
        s.BodyVy(i) = b.vy;
        s.PlanetAngle(i) = b.angle;
        if (experiment.presetAngles && IsPlanet(i)) s.BodyAngle(i) = b.angle;
        if (experiment.masses == MassRule::All)
            s.BodyMassPct(i) = b.massPct;
        else if (experiment.masses == MassRule::RealPlanets && IsPlanet(i))
            s.BodyMassPct(i) = DefaultBodies[k].massPct;
        if (experiment.masses != MassRule::Keep) s.BodyMass(i) = s.EarthMass * s.BodyMassPct(i) / 100;
    }
    if (experiment.accuracy) s.Options.TimeStep = TimeStepOf(*experiment.accuracy);
    if (experiment.method) s.Options.Method = *experiment.method;
    s.DataSetDate = experiment.date;
}

int PlanetWithChangedMass(const SimState& s) {
    for (int i = body::Mercury; i <= body::Pluto; ++i)
        if (s.BodyMassPct(i) != DefaultBodies[static_cast<std::size_t>(i - 1)].massPct) return i;
    return 0;
}

} // namespace orvane
