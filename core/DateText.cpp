#include "DateText.h"

namespace orvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A run of 1 to `maxDigits` digits and nothing else; -1 otherwise.
int Number(std::string_view text, std::size_t maxDigits) {
    text = Trimmed(text);
    if (text.empty() || text.size() > maxDigits) return -1;
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool Before(const CalendarDate& a, const CalendarDate& b) {
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}

// Day, month and year as numbers, or nothing when the text is not made of them.
bool SplitDate(std::string_view text, CalendarDate& date) {
    if (text.size() == 8 && Number(text, 8) >= 0) { // DDMMYYYY
        date = {Number(text.substr(4, 4), 4), Number(text.substr(2, 2), 2), Number(text.substr(0, 2), 2)};
        return true;
    }
    // A comma is what the keypad's decimal key types on a Russian keyboard.
    const std::size_t firstDot = text.find_first_of(".,");
    if (firstDot == std::string_view::npos) return false;
    const std::size_t secondDot = text.find_first_of(".,", firstDot + 1);
    if (secondDot == std::string_view::npos) return false;
    const int day = Number(text.substr(0, firstDot), 2);
    const int month = Number(text.substr(firstDot + 1, secondDot - firstDot - 1), 2);
    const std::string_view yearText = Trimmed(text.substr(secondDot + 1));
    const int year = yearText.size() == 4 ? Number(yearText, 4) : -1;
    if (day < 0 || month < 0 || year < 0) return false;
    date = {year, month, day};
    return true;
}

} // namespace

DateTextRead ReadDateText(std::string_view text, const CalendarDate& first, const CalendarDate& last) {
    text = Trimmed(text);
    DateTextRead read;
    if (text.empty()) {
        read.fault = DateTextFault::Empty;
        return read;
    }
    if (!SplitDate(text, read.date)) {
        read.fault = DateTextFault::NotADate;
        return read;
    }
    if (!IsValidDate(read.date))
        read.fault = DateTextFault::NotInCalendar;
    else if (Before(read.date, first) || Before(last, read.date))
        read.fault = DateTextFault::OutsideRange;
    return read;
}

std::optional<Error> DateTextError(const DateTextRead& read, std::string_view text) {
    const auto error = [&](ErrorCode code) {
        return Error{.code = code, .text = std::string(text), .date = read.date};
    };
    switch (read.fault) {
    case DateTextFault::Empty:
        return error(ErrorCode::DateTextEmpty);
    case DateTextFault::NotADate:
        return error(ErrorCode::DateTextNotADate);
    case DateTextFault::NotInCalendar:
        return error(ErrorCode::DateNotInCalendar);
    case DateTextFault::OutsideRange:
        return error(ErrorCode::DateOutsideEphemeris);
    case DateTextFault::None:
        break;
    }
    return std::nullopt;
}

} // namespace orvane
