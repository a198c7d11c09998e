#pragma once

#include "Calendar.h"
#include "Error.h"
#include "SimState.h"

#include <optional>

namespace orvane {

// Loads the planets as they stood on a date at 0 h, like the built-in 1.1.2000 data set: each of the
// nine planets gets the position and velocity of its orbit laid into the plane of the ecliptic
// (PlanarStateOnDate) for mu = GravConst M_Sun with the table's current Sun mass (the orbit about a held
// Sun, the experiment's default), and its polar angle in BodyAngle and PlanetAngle; the Sun is put at the
// origin at rest. The asteroid and every mass keep their values. DataSetDate names the date afterwards.
//
// A date the planet elements do not cover (before 1.1.1800, after 31.12.2050, or no calendar date at
// all), or a Sun without mass, is refused: the result says why (DateNotInCalendar, DateOutsideEphemeris,
// SunWithoutMass), and the state is left exactly as it was.
std::optional<Error> LoadDataSetOnDate(SimState& state, const CalendarDate& date);

// The refusal LoadDataSetOnDate gives for a date it cannot load, or nothing for a date it can.
std::optional<Error> DataSetDateRefusal(const CalendarDate& date);

} // namespace orvane
