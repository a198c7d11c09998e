#pragma once

#include "Bodies.h"
#include "MeasureHistory.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::measure {

// How a spreadsheet of the user's locale reads numbers: with a decimal comma the fields are separated
// by ';', otherwise by ','.
struct CsvFormat {
    bool decimalComma = false;
    char Separator() const { return decimalComma ? ';' : ','; }
};

// What a column of the history holds, in the units the header names.
enum class CsvQuantity {
    Time,            // days since the run's start
    X,               // of the body, million km
    Y,               // million km
    Vx,              // m/s
    Vy,              // m/s
    Energy,          // J
    AngularMomentum, // kg m^2/s
    EnergyChange,    // |dE/E0|; empty where it does not exist
    SunMode,         // the words for a held or a free Sun
    Method,          // the name of the method the row's step was made with
    Distance,        // of the body from the Sun, million km
    Speed,           // relative to the Sun, km/s
    SemiMajorAxis,   // of the osculating orbit, AU; empty for an orbit that is not bound
    Eccentricity,    // empty for a body in the Sun's place
    KeplerPeriod,    // days; empty for an orbit that is not bound
    Longitude,       // the simulated heliocentric longitude, 0 to 360 degrees
    RealLongitude,   // the real planet's, degrees; empty outside 1800-2050
    PolarAngle       // of the position seen from the Sun, 0 to 360 degrees, for every run
};

struct CsvColumn {
    CsvQuantity quantity = CsvQuantity::Time;
    int body = 0; // 1..11 for a body's column, 0 otherwise
};

// The columns of a run's history in their order: the time; per body x, y, vx, vy; the energy, the
// angular momentum, |dE/E0| and the Sun's mode; then per planet and the asteroid its distance from the
// Sun, speed, semi-major axis, eccentricity and Kepler's period, and for a run from real positions its
// longitude and (planets only) the real one; then, for every run, each one's polar angle; last the method
// of solving. `run` gives what stays fixed through a run: the masses, G and the date of the real
// positions.
std::vector<CsvColumn> HistoryCsvColumns(const RunSnapshot& run);

// The words the file is written with, in the user's language: a header per column and the two modes of
// the Sun.
struct CsvWords {
    std::vector<std::string> header; // one per column, in the order of HistoryCsvColumns
    std::string sunHeld;
    std::string sunFree;
    // One per row of SolverMethods, in its order.
    std::array<std::string, SolverMethods.size()> methods;
};

// The history as CSV text, UTF-8 with a byte-order mark (so that spreadsheets on every system read the
// header's letters right): the header, then a row per sample, lines ending in CR LF. The derived columns
// are worked out from each sample's own state with the masses and G of `run`, and mu as the sample's Sun
// mode gives it. Header fields are quoted, and so is every other field holding a comma (a decimal
// comma) or a semicolon; an empty field stands where the window shows "—".
std::string HistoryCsv(const SampleHistory& history, const RunSnapshot& run, const CsvWords& words,
                       CsvFormat format);

// A number as the CSV holds it: the shortest text that reads back to the same value.
std::string CsvNumber(double value, CsvFormat format);

} // namespace orvane::measure
