#pragma once

#include "Bodies.h"
#include "Error.h"
#include "WholeFile.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orvane {

// One body's line of the parameter file: angle in degrees, position in thousands of kilometres,
// velocity in metres per second.
struct ParameterRow {
    double angle = 0;
    double x = 0;
    double y = 0;
    double vx = 0;
    double vy = 0;
};

using ParameterRows = std::array<ParameterRow, body::Count>;

// The parameter file's name; it lives in the directory the application chooses at start.
inline constexpr const char* ParameterFileName = "orvane1.dat";

// The outcome of reading the file: all eleven rows, or the error saying what is wrong.
struct ParameterFileRead {
    std::optional<ParameterRows> rows;
    std::optional<Error> error;
};

// The numbers are taken in sequence, separated by blanks, tabs, commas and line ends of either kind;
// anything after the 55th number is ignored. A dot is the only decimal separator, whatever the locale.
// Every finite number is accepted, but a coordinate must stay finite in metres (times 1e6). A field that
// is not a number, or whose value does not fit, is reported with its line and its place in the line.
ParameterFileRead ParseParameterText(std::string_view text);
ParameterFileRead ReadParameterFile(const std::string& path);

// Eleven lines of five whole numbers truncated toward zero, separated by blanks, each ended by carriage
// return and line feed.
std::string FormatParameterText(const ParameterRows& rows);

// Writes the rows as one whole file (see WriteWholeFile).
SaveResult WriteParameterFile(const std::string& path, const ParameterRows& rows);

} // namespace orvane
