#include "BodyTableRows.h"

#include <cmath>

namespace orvane {

ParameterRows RowsFromBodyTable(SimState& s) {
    ParameterRows rows;
    const Integer n = s.BodyCount;
    for (s.LoopI = 1; s.LoopI <= n; s.LoopI = Add16(s.LoopI, 1)) {
        const int i = s.LoopI;
        rows[static_cast<std::size_t>(i - 1)] = {s.PlanetAngle(i), s.BodyX(i) / s.LengthUnit,
                                                 s.BodyY(i) / s.LengthUnit, s.BodyVx(i), s.BodyVy(i)};
    }
    return rows;
}

std::optional<int> BodyBeyondTheFile(const ParameterRows& rows, double lengthUnit) {
    // The division by the length unit rounds, so a position at the very largest metres can be saved as
    // thousands that no longer fit once the load multiplies them back.
    for (std::size_t k = 0; k < rows.size(); ++k)
        if (!std::isfinite(std::trunc(rows[k].x) * lengthUnit) ||
            !std::isfinite(std::trunc(rows[k].y) * lengthUnit))
            return static_cast<int>(k) + 1;
    return std::nullopt;
}

void BodyTableFromRows(SimState& s, const ParameterRows& rows) {
    const Integer n = s.BodyCount;
    for (s.LoopI = 1; s.LoopI <= n; s.LoopI = Add16(s.LoopI, 1)) {
        const int i = s.LoopI;
        const ParameterRow& row = rows[static_cast<std::size_t>(i - 1)];
        s.PlanetAngle(i) = row.angle;
        s.SetBodyState(i, s.LengthUnit * row.x, s.LengthUnit * row.y, row.vx, row.vy);
    }
    s.DataSetDate.reset(); // the file keeps no date, and its whole numbers are not the real positions
}

Experiment ExperimentFromRows(const ParameterRows& rows, double lengthUnit) {
    Experiment experiment;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const ParameterRow& row = rows[k];
        experiment.bodies[k] = {0, lengthUnit * row.x, lengthUnit * row.y, row.vx, row.vy, row.angle};
    }
    experiment.masses = MassRule::Keep;
    experiment.presetAngles = false;
    experiment.digits = Digits::Whole;
    return experiment;
}

} // namespace orvane
