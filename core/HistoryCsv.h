#pragma once

#include "MeasureHistory.h"

#include <string>
#include <string_view>

namespace orvane::measure {

// The Russian name of body 1..11.
std::string_view BodyNameRu(int body);

// How a spreadsheet of the user's locale reads numbers: with a decimal comma the fields are separated
// by ';', otherwise by ','.
struct CsvFormat {
    bool decimalComma = false;
    char Separator() const { return decimalComma ? ';' : ','; }
};

// The history as CSV text, UTF-8: a header naming every column with its unit, then a row per sample.
// Time in days; per body x and y in millions of km, vx and vy in m/s; then the energy (J), the angular
// momentum (kg·m²/s) and |ΔE/E0| (empty where it does not exist).
std::string HistoryCsv(const SampleHistory& history, CsvFormat format);

// A number as the CSV holds it: the shortest text that reads back to the same value.
std::string CsvNumber(double value, CsvFormat format);

} // namespace orvane::measure
