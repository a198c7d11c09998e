#include "BodyTableRows.h"

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

void BodyTableFromRows(SimState& s, const ParameterRows& rows) {
    const Integer n = s.BodyCount;
    for (s.LoopI = 1; s.LoopI <= n; s.LoopI = Add16(s.LoopI, 1)) {
        const int i = s.LoopI;
        const ParameterRow& row = rows[static_cast<std::size_t>(i - 1)];
        s.PlanetAngle(i) = row.angle;
        s.BodyX(i) = s.LengthUnit * row.x;
        s.BodyY(i) = s.LengthUnit * row.y;
        s.BodyVx(i) = row.vx;
        s.BodyVy(i) = row.vy;
    }
    s.DataSetDate.reset(); // the file keeps no date, and its whole numbers are not the real positions
}

} // namespace orvane
