#pragma once

#include "HistoryCsv.h"

namespace orvane::measure {

// The CSV file's header and the Sun's modes in the window's own words ("Земля скорость, км/с"), so a
// spreadsheet user finds each column by what the window calls it.
CsvWords CsvWordsFor(const RunSnapshot& run);

} // namespace orvane::measure
