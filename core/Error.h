#pragma once

#include "Calendar.h"

#include <ostream>
#include <string>

namespace orvane {

// What went wrong, without words: the windows turn each value into a sentence in the user's language.
// The comment after each value names the details it carries.
enum class ErrorCode {
    // A fault that ends an event handler (and stops a run).
    IndexOutOfBounds, // text: the array's name; value: the index
    Int16Overflow,    // value
    DivisionByZero,
    FloatingPointOverflow,
    InvalidOperation,
    PlanetAtTheSun, // the orbit run's planet stands where the Sun does
    NotAPlanet,     // body
    // A date the planets cannot be loaded for.
    DateNotInCalendar,    // date
    DateOutsideEphemeris, // date
    SunWithoutMass,
    // Reading the parameter file.
    FieldNotANumber, // line, field, text: the field as read
    NumberTooLarge,  // line, field, text
    TooFewNumbers,   // value: how many numbers the file holds
    FileNotFound,    // path
    NotARegularFile, // path
    CannotOpen,      // path, osError
    CannotRead,      // path
    // Saving the parameter file; all but SaveCannotCreate leave the previous file as it was.
    SaveLinkLoop,        // path, osError (ELOOP)
    SaveWriteProtected,  // path, osError
    SaveCannotCreate,    // path, osError
    SaveWriteFailed,     // path, osError
    SaveDiskWriteFailed, // path, osError
    SaveReplaceFailed,   // path, osError
};

struct Error {
    ErrorCode code{};
    std::string text{}; // an array's name, or a field of the file as read
    std::string path{}; // a file's path
    long long value = 0;
    int line = 0;
    int field = 0;
    int body = 0;
    CalendarDate date{};
    int osError = 0; // errno

    friend bool operator==(const Error&, const Error&) = default;
};

// For test diagnostics and logs only, never shown to the user.
inline std::ostream& operator<<(std::ostream& out, const Error& error) {
    return out << "error " << static_cast<int>(error.code) << " (text '" << error.text << "', path '"
               << error.path << "', value " << error.value << ", line " << error.line << ", field "
               << error.field << ", body " << error.body << ", date " << error.date.day << '.'
               << error.date.month << '.' << error.date.year << ", errno " << error.osError << ')';
}

} // namespace orvane
