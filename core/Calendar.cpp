#include "Calendar.h"

namespace orvane {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return lengths[month - 1];
}

bool IsValidDate(const CalendarDate& date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

// Days are counted in eras of 400 years, which repeat the Gregorian calendar exactly; the year is taken
// to start on 1 March so that the leap day falls at its end.
long long DaysSince2000(const CalendarDate& date) {
    const long long year = date.month <= 2 ? date.year - 1LL : date.year;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long shiftedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
    const long long dayOfYear = (153 * shiftedMonth + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    constexpr long long daysFrom0000To2000 = 730425; // 1 March 0000 to 1 January 2000
    return era * 146097 + dayOfEra - daysFrom0000To2000;
}

CalendarDate DateFromDaysSince2000(long long days) {
    const long long z = days + 730425;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long dayOfEra = z - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

double JulianDateAtMidnight(const CalendarDate& date) {
    return JulianDateOf2000 + static_cast<double>(DaysSince2000(date));
}

} // namespace orvane
