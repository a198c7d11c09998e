#pragma once

#include <QString>

namespace orvane {

// Where the parameter file lives: in the program's directory when the program may write there (run from
// its build or unpacked folder, as always); otherwise, for a program installed in a system directory,
// in the user's data directory for this program, created when needed. Chosen once at start.
QString ChooseParameterFile(const QString& programDir, const QString& userDataDir);

// True when a file can really be created in `dir` (permissions, read-only mounts and all).
bool DirectoryIsWritable(const QString& dir);

} // namespace orvane
