#pragma once

#include "HistoryCsv.h"

namespace orvane::measure {

// The words of the CSV file's header in the program's language.
CsvHeader CsvHeaderText();

} // namespace orvane::measure
