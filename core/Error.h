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
    // A body's coordinates beyond what the parameter file can hold; nothing was saved.
    CoordinatesBeyondFile, // body
    // The masses taken over from the table with «Изменить».
    SunMassNotPositive,
    AsteroidMassNegative,
    // A typed date (the dates outside the planets' table and the days the calendar lacks are
    // DateOutsideEphemeris and DateNotInCalendar, with the text as typed).
    DateTextEmpty,
    DateTextNotADate, // text
    // A lesson experiment's description file: path, line.
    LessonUnknownKey, // text: the key
    LessonNoEqualsSign,
    LessonBadMasses,
    LessonBadAccuracy,
    LessonBadSunMode,
    LessonMissingTitle,
    LessonMissingFile,
    LessonStrayContinuation,
    LessonCannotRead, // path
    LessonBadMethod,
    // A cell of the body table that holds no number: body, field (the table's column: 1 mass, 2 x, 3 y,
    // 4 vx, 5 vy), text: the cell as typed.
    CellNotANumber,
    NoPlanetChosen,         // a planet's orbit was asked for with no body chosen
    SaveTargetFolder,       // path: a folder was chosen as the file to save
    RecentFileGone,         // path: a file of the recent-files list is no longer there
    LessonFolderNotCreated, // path, osError: the folder of the teacher's own lesson experiments
    LessonNotDeleted,       // path, osError
};
// How many codes there are, for those who walk them all.
inline constexpr int ErrorCodeCount = static_cast<int>(ErrorCode::LessonNotDeleted) + 1;

// What a save was writing, so its failure names the file the user meant to save.
enum class SavedFile : unsigned char { Parameters, Picture, Measurements, Lesson };

struct Error {
    ErrorCode code{};
    std::string text{}; // an array's name, a field of the file or a date as read, a key
    std::string path{}; // a file's path
    long long value = 0;
    int line = 0;
    int field = 0;
    int body = 0;
    CalendarDate date{};
    int osError = 0;                         // errno
    SavedFile saved = SavedFile::Parameters; // the Save* codes and SaveTargetFolder

    friend bool operator==(const Error&, const Error&) = default;
};

// For test diagnostics and logs only, never shown to the user.
inline std::ostream& operator<<(std::ostream& out, const Error& error) {
    return out << "error " << static_cast<int>(error.code) << " (text '" << error.text << "', path '"
               << error.path << "', value " << error.value << ", line " << error.line << ", field "
               << error.field << ", body " << error.body << ", date " << error.date.day << '.'
               << error.date.month << '.' << error.date.year << ", errno " << error.osError << ", saved "
               << static_cast<int>(error.saved) << ')';
}

} // namespace orvane
