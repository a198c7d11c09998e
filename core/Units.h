#pragma once

namespace orvane {

// The units of the program, each named once. Lengths are metres, times seconds, masses kilograms in the
// simulation; the table shows thousands of kilometres, the screens millions of kilometres.

inline constexpr double SecondsPerHour = 3600;
inline constexpr double HoursPerDay = 24;
inline constexpr double SecondsPerDay = SecondsPerHour * HoursPerDay;

// The elapsed time of an experiment counts whole years of 365 days, as the window has always shown it.
inline constexpr double DaysPerCountedYear = 365;
// The Julian year of astronomy, for periods and the plots' time axis.
inline constexpr double DaysPerJulianYear = 365.25;

// The table's and the parameter file's length unit, the value the shared LengthUnit is given at start.
inline constexpr double MetresPerThousandKm = 1e6;
inline constexpr double MetresPerMillionKm = 1e9;
inline constexpr double AstronomicalUnitMetres = 149597870700.0;

// The step lengths of the three accuracy choices, in seconds: two days, one day, a tenth of a day.
inline constexpr double TimeStepLow = 172800;
inline constexpr double TimeStepMedium = 86400;
inline constexpr double TimeStepHigh = 8640;

// A length in metres as the screens draw it, in millions of kilometres: divided by the length unit
// (metres per thousand kilometres) and then by 1000, in that order.
inline double ToMillionKm(double metres, double lengthUnit) {
    return metres / lengthUnit / 1000;
}

} // namespace orvane
