#include "SimState.h"

#include "Bodies.h"
#include "DefaultData.h"
#include "FloatingPoint.h"
#include "StateLayout.h"

#include <algorithm>
#include <cmath>

namespace orvane {

void SimState::AssignStartupValues() {
    ClearFloatingPointStatus();
    OrbiterCount = 10;
    BodyCount = Add16(OrbiterCount, 1);
    StateDim = ToInt16(4LL * BodyCount);

    SelectedBody = 0;
    Options.StepDelayMs = FastStepDelayMs;
    Options.TimeStep = TimeStepLow;

    MaxAbsX = 0;
    MaxAbsY = 0;
    SimTime = 0;

    EarthMass = std::pow(10.0, 24) * 5.97;
    GravConst = std::pow(10.0, -12) * 66.7;
    LengthUnit = MetresPerThousandKm;

    LoadDataSet(DefaultDataSet);
    DataSetDate.reset(); // the default data are no date's real positions

    const Integer last = BodyCount;
    for (LoopI = 1; LoopI <= last; LoopI = Add16(LoopI, 1))
        BodyMass(LoopI) = EarthMass * BodyMassPct(LoopI) / 100;
    for (LoopI = 1; LoopI <= last; LoopI = Add16(LoopI, 1))
        PlanetAngle(LoopI) = BodyAngle(LoopI);
    CheckFloatingPointStatus();
}

void SimState::LoadDataSet(const DataSet& set) {
    for (int i = 1; i <= static_cast<int>(set.bodies.size()); ++i) {
        const BodyRecord& row = set.bodies[static_cast<std::size_t>(i - 1)];
        if (i >= set.firstAngle) BodyAngle(i) = row.angle;
        if (set.hasMasses) BodyMassPct(i) = row.massPct;
        BodyX(i) = row.x * LengthUnit;
        BodyY(i) = row.y * LengthUnit;
        BodyVx(i) = row.vx;
        BodyVy(i) = row.vy;
    }
}

void SimState::LoadEpochData() {
    LoadDataSet(EpochDataSet);
    // The current angles follow the data set, so what the table shows and what the file saves agree.
    for (int i = body::Mercury; i <= body::Pluto; ++i)
        PlanetAngle(i) = BodyAngle(i);
    DataSetDate = EpochDate; // a run from this table can be compared with the real sky
}

void SimState::SetBodyValue(BodyArray SimState::*column, int body, double value) {
    double& stored = (this->*column)(body);
    if (stored != value && body != body::Asteroid) DataSetDate.reset();
    stored = value;
}

void SimState::SetBodyState(int body, double x, double y, double vx, double vy) {
    SetBodyValue(&SimState::BodyX, body, x);
    SetBodyValue(&SimState::BodyY, body, y);
    SetBodyValue(&SimState::BodyVx, body, vx);
    SetBodyValue(&SimState::BodyVy, body, vy);
}

void SimState::PackState() {
    ClearFloatingPointStatus();
    MaxAbsX = 0;
    MaxAbsY = 0;
    const Integer n = BodyCount;
    for (LoopI = 1; LoopI <= n; LoopI = Add16(LoopI, 1)) {
        const int i = LoopI;
        BodyMass(i) = EarthMass * BodyMassPct(i) / 100;
        StateVec(state::X(i, n)) = BodyX(i);
        if (std::fabs(BodyX(i)) >= MaxAbsX) MaxAbsX = std::fabs(BodyX(i));
        StateVec(state::Y(i, n)) = BodyY(i);
        if (std::fabs(BodyY(i)) >= MaxAbsY) MaxAbsY = std::fabs(BodyY(i));
        StateVec(state::Vx(i, n)) = BodyVx(i);
        StateVec(state::Vy(i, n)) = BodyVy(i);
    }
    if (MaxAbsX > MaxAbsY) {
        ViewHalfX = ToMillionKm(1.1 * MaxAbsX, LengthUnit);
        ViewHalfY = ViewHalfX;
    } else {
        ViewHalfY = ToMillionKm(1.1 * MaxAbsY, LengthUnit);
        ViewHalfX = ViewHalfY;
    }
    CheckFloatingPointStatus();
}

void SimState::SetBodyColor() {
    // Any other index leaves the registers at zero, black.
    const bool known = LoopI >= body::Sun && LoopI <= body::Count;
    const BodyFacts& facts = Bodies[known ? static_cast<std::size_t>(LoopI) : 0];
    ColorR = facts.red;
    ColorG = facts.green;
    ColorB = facts.blue;
}

std::int32_t RgbColor(long long red, long long green, long long blue) {
    const auto clamp = [](long long c) {
        return static_cast<std::int32_t>(std::clamp<long long>(c, 0, 255));
    };
    return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

} // namespace orvane
