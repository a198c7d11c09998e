#pragma once

#include "Bodies.h"
#include "MeasureHistory.h"

#include <array>
#include <string>
#include <string_view>

namespace orvane::measure {

// How a spreadsheet of the user's locale reads numbers: with a decimal comma the fields are separated
// by ';', otherwise by ','.
struct CsvFormat {
    bool decimalComma = false;
    char Separator() const { return decimalComma ? ';' : ','; }
};

// The header's words in the user's language, UTF-8: the time column; each body's name (by its index,
// 1..11); the four columns of a body, each written after its name (x, y, vx, vy with their units); the
// energy, the angular momentum and |ΔE/E0|.
struct CsvHeader {
    std::string time;
    std::array<std::string, body::Count + 1> bodies;
    std::array<std::string, 4> bodyColumns;
    std::array<std::string, 3> totals;
};

// The history as CSV text, UTF-8: a header naming every column with its unit, then a row per sample.
// Time in days; per body x and y in millions of km, vx and vy in m/s; then the energy (J), the angular
// momentum (kg·m²/s) and |ΔE/E0| (empty where it does not exist).
std::string HistoryCsv(const SampleHistory& history, CsvFormat format, const CsvHeader& header);

// A number as the CSV holds it: the shortest text that reads back to the same value.
std::string CsvNumber(double value, CsvFormat format);

} // namespace orvane::measure
