#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

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

using ParameterRows = std::array<ParameterRow, 11>;

// The outcome of reading the file: all eleven rows, or a plain Russian message saying what is wrong.
struct ParameterFileRead {
    std::optional<ParameterRows> rows;
    std::string error;
};

// The numbers are taken in sequence, separated by blanks, tabs, commas and line ends of either kind;
// anything after the 55th number is ignored. A field that is not a number, or whose value does not fit,
// is reported with its line and its place in the line.
ParameterFileRead ParseParameterText(std::string_view text);
ParameterFileRead ReadParameterFile(const std::string& path);

// Eleven lines of five whole numbers truncated toward zero, separated by blanks, each ended by carriage
// return and line feed.
std::string FormatParameterText(const ParameterRows& rows);

// Writes a temporary file beside `path` and renames it into place, so the previous file survives any
// failure. Returns the message of a failure, nothing on success.
std::optional<std::string> WriteParameterFile(const std::string& path, const ParameterRows& rows);

} // namespace orvane
