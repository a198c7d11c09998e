#pragma once

#include "Bodies.h"
#include "Experiment.h"
#include "ExperimentOptions.h"
#include "ParameterFile.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

class SimState;

// An experiment prepared for a lesson: a parameter file (positions, velocities and angles of the eleven
// bodies, read like any other) together with a small description file that a teacher can write too:
//
//   # a comment
//   title = Троянский астероид
//   parameters = trojan.dat            the parameter file, beside this one
//   masses = 33316600 5.55 ... 0       eleven masses in percent of the Earth's, Sun first
//   accuracy = low                     low | medium | high (2 days, 1 day, 0.1 day)
//   sun = free                         held | free; left out, the experiment window keeps its setting
//   method = leapfrog                  euler | symplectic-euler | leapfrog | rk4; left out, the method
//                                      chosen in the set-up window stays
//   description = First sentence.
//     A line that starts with a blank continues the value above it.
//   title[en] = Trojan asteroid        the title and description in another language, by its code
//   description[en] = First sentence.
//
// The text is UTF-8; keys are case-sensitive; a number uses a dot, whatever the desktop's language.

struct LessonExperiment {
    std::string title;
    std::string description;
    std::string parameterFile;
    std::array<double, body::Count> massPct{};
    Accuracy accuracy = Accuracy::Low;
    // Left out of the file: the experiment window keeps its setting.
    std::optional<SunMode> sun;
    // Left out of the file: the method chosen in the set-up window stays.
    std::optional<SolverMethod> method;
    // The title and description in other languages, by language code ("en").
    std::map<std::string, std::string, std::less<>> titleIn;
    std::map<std::string, std::string, std::less<>> descriptionIn;
};

// The title or description in the language of `code`; the file's own where it has none in that language.
const std::string& TitleIn(const LessonExperiment& experiment, std::string_view code);
const std::string& DescriptionIn(const LessonExperiment& experiment, std::string_view code);

// What is wrong with a description file; the line it was found on, 0 for the file as a whole.
enum class ExperimentFault {
    None,
    UnknownKey,       // a key the format does not have
    NoEqualsSign,     // a line that is neither a comment, a continuation nor "key = value"
    BadMasses,        // not eleven finite masses, or a negative one, or a Sun without mass
    BadAccuracy,      // not low, medium or high
    BadSunMode,       // not held or free
    BadMethod,        // not one of the methods' keys
    MissingTitle,     // no title
    MissingFile,      // no parameter file named
    StrayContinuation // a continued line with no key above it
};

struct ExperimentRead {
    std::optional<LessonExperiment> experiment;
    ExperimentFault fault = ExperimentFault::None;
    int line = 0;
};

ExperimentRead ParseLessonExperiment(std::string_view text);

// The experiment a lesson describes: its masses, the file's positions, velocities and angles (the angles
// also the preset ones the parameter table shows), its accuracy and Sun's mode. One that is exactly the
// 1.1.2000 data set with the program's own masses keeps that date, so a run from it can still be compared
// with the real sky.
Experiment ExperimentOf(const LessonExperiment& lesson, const ParameterRows& rows);

// Puts a lesson's experiment into the body table (see ApplyExperiment).
void LoadLessonExperiment(SimState& state, const LessonExperiment& experiment, const ParameterRows& rows);

// A description file that reads back as `experiment` (titles and descriptions each on one line).
std::string FormatLessonExperiment(const LessonExperiment& experiment);
// A lesson's parameter file with every digit of the rows, unlike the whole numbers of orvane1.dat, so a
// teacher's experiment starts exactly where it was saved.
std::string FormatRowsInFull(const ParameterRows& rows);

} // namespace orvane
