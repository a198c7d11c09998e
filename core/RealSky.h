#pragma once

#include "Calendar.h"
#include "Measurements.h"

#include <optional>

namespace orvane::measure {

// The calendar date of a simulated moment: the data set's date (0 h) plus the time run.
CalendarDate DateOfSimulatedMoment(const CalendarDate& start, double seconds);
// The Julian date of a simulated moment.
double JulianDateOfSimulatedMoment(const CalendarDate& start, double seconds);

// An angle in degrees brought into (-180, 180].
double WrapDegrees180(double degrees);

// Where a run stands against the real sky.
enum class SkyStatus {
    Compared,        // the run started from real positions and the date lies within the ephemeris
    NotFromDataSet,  // the run did not start from a data set of real positions, unchanged
    OutsideEphemeris // the date lies outside 1800–2050
};

struct SkyComparison {
    SkyStatus status = SkyStatus::NotFromDataSet;
    std::optional<CalendarDate> date; // the simulated moment, when the run has a date at all
    PerBody realLongitudeDeg{};       // heliocentric ecliptic longitude, 0 to 360, planets 2 to 10
    PerBody differenceDeg{};          // simulated polar angle minus real longitude, (-180, 180]
};

// The planets of the run against where the real planets were on the simulated date.
SkyComparison CompareWithRealSky(const RunSnapshot& s);

} // namespace orvane::measure
