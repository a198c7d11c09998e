#pragma once

#include "Bodies.h"
#include "MeasureHistory.h"

#include <array>
#include <string>
#include <string_view>

namespace orvane::measure {

// The names of bodies 1..11 in UTF-8, as the windows give them (entry 0 unused).
using BodyNameList = std::array<std::string, body::Count + 1>;

// How a spreadsheet of the user's locale reads numbers: with a decimal comma the fields are separated
// by ';', otherwise by ','.
struct CsvFormat {
    bool decimalComma = false;
    char Separator() const { return decimalComma ? ';' : ','; }
};

// The history as CSV text, UTF-8: a header naming every column with its unit, then a row per sample.
// Time in days; per body x and y in millions of km, vx and vy in m/s; then the energy (J), the angular
// momentum (kg·m²/s) and |ΔE/E0| (empty where it does not exist).
std::string HistoryCsv(const SampleHistory& history, CsvFormat format, const BodyNameList& names);

// A number as the CSV holds it: the shortest text that reads back to the same value.
std::string CsvNumber(double value, CsvFormat format);

} // namespace orvane::measure
