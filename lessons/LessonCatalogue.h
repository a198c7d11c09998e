#pragma once

#include "LessonExperiment.h"
#include "ParameterFile.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace orvane {

// An experiment prepared for a lesson, read with its parameter file.
struct LessonEntry {
    LessonExperiment experiment;
    ParameterRows rows{};
    QString source;   // the description file it came from
    bool own = false; // a teacher's own, from the user's folder: it may be renamed and deleted
};

struct LessonCatalogue {
    std::vector<LessonEntry> entries;
    QStringList problems; // one line for each file that could not be read, naming the file and the line
};

// The program's own experiments, in its resources.
inline const QString BuiltInLessonFolder = QStringLiteral(":/experiments");

// Every "*.experiment" file of the folders, in the order of the folders and, within one, of the names.
LessonCatalogue ReadLessonCatalogue(const QStringList& folders);

// The folder where a teacher's own experiments are found beside the program's (in the user's data
// folder for the program, "experiments").
QString UserLessonFolder();

} // namespace orvane
