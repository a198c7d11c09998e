#pragma once

#include "Calendar.h"
#include "Error.h"

#include <optional>
#include <string_view>

namespace orvane {

// What is wrong with a typed date, if anything.
enum class DateTextFault {
    None,
    Empty,         // nothing but blanks
    NotADate,      // not day, month and year
    NotInCalendar, // day, month and year, but no such day (29.2.1900, 31.4.2000)
    OutsideRange,  // a real day outside the dates asked for
};

struct DateTextRead {
    CalendarDate date; // meaningful when fault is None, OutsideRange or NotInCalendar (as typed)
    DateTextFault fault = DateTextFault::None;
};

// A date typed the way Russian readers write it: day, month and year separated by dots (or the commas a
// Russian keypad types), with or without leading zeros ("1.3.1900", "01.03.1900"), blanks allowed around
// the parts; or eight digits in a row
// (DDMMYYYY, "29022000"). The year has four digits. The text is read as a whole: anything before,
// between or after that is not part of a date makes it no date. Dates before `first` or after `last`
// are read but marked as outside the range.
DateTextRead ReadDateText(std::string_view text, const CalendarDate& first, const CalendarDate& last);

// The error a refused date is answered with, quoting `text` as typed; nothing for a date that was read.
std::optional<Error> DateTextError(const DateTextRead& read, std::string_view text);

} // namespace orvane
