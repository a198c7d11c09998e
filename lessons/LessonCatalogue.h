#pragma once

#include "LessonExperiment.h"
#include "ParameterFile.h"

#include <QString>

#include <vector>

namespace orvane {

// An experiment prepared for a lesson, read with its parameter file, or a description file that could
// not be read, listed all the same so that nobody wonders where it went.
struct LessonEntry {
    LessonExperiment experiment; // as far as it was read
    ParameterRows rows{};
    QString source;   // the description file it came from
    bool own = false; // a teacher's own, from the user's folder: it may be renamed and deleted
    QString error;    // what is wrong with the file, its line and what to do; empty when it was read

    bool Readable() const { return error.isEmpty(); }
};

struct LessonCatalogue {
    std::vector<LessonEntry> entries; // the unreadable ones among them, where they stand by name
};

// The program's own experiments, in its resources.
inline const QString BuiltInLessonFolder = QStringLiteral(":/experiments");

// Every "*.experiment" file of the folders, in the order of the folders and, within one, of the names.
LessonCatalogue ReadLessonCatalogue(const QStringList& folders);

// The folder where a teacher's own experiments are found beside the program's (in the user's data
// folder for the program, "experiments").
QString UserLessonFolder();

} // namespace orvane
