#pragma once

#include <QString>
#include <QStringList>

#include <iosfwd>
#include <optional>

namespace orvane {

// What the command line asks of the program. It is read before any window system is touched, so that
// --help, --version and a mistyped option answer on a terminal without a display.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    // "ru" or "en" as given with --lang; empty: the desktop's language decides.
    QString language;
    // The parameter file to open at start, as given; empty: none.
    QString file;
    // For Fail: what was wrong, one line without the program's name.
    QString error;
};

// Reads the arguments that follow the program's name. Options: -h/--help, --version, --lang ru|en (also
// --lang=en), "--" before a file name that starts with '-', and one optional file. Qt's own options
// (-platform xcb, -display :1, -style fusion, ...) are left for Qt. --help and --version answer as soon
// as they are met, as do mistakes: "orvane --help --bogus" shows the help.
CommandLine ParseCommandLine(const QStringList& arguments);
CommandLine ParseCommandLine(int argc, const char* const argv[]);

// The texts printed for --help and --version.
QString CommandLineHelp();
QString VersionText();

// Answers --help, --version and a faulty command line on the given streams, and says with which exit
// status the program ends then (0, or 2 for a faulty command line); nothing when the windows should open.
std::optional<int> AnswerWithoutWindow(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

} // namespace orvane
