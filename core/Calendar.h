#pragma once

namespace orvane {

// A day of the Gregorian calendar, as teachers name dates.
struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(const CalendarDate& date);

// Whole days from 1 January 2000 to the date; negative for earlier dates.
long long DaysSince2000(const CalendarDate& date);
CalendarDate DateFromDaysSince2000(long long days);

// 1 January 2000, the day whose positions the program's built-in data set holds.
inline constexpr CalendarDate EpochDate{2000, 1, 1};

// The Julian date at 0 h of 1 January 2000, the moment the program's 1.1.2000 data set describes.
inline constexpr double JulianDateOf2000 = 2451544.5;

// The Julian date at 0 h of the date.
double JulianDateAtMidnight(const CalendarDate& date);

} // namespace orvane
