#include "ParameterFileLocation.h"

#include "ParameterFilePlace.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace orvane {

bool DirectoryIsWritable(const QString& dir) {
    if (!QFileInfo(dir).isDir()) return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".orvane-probe-XXXXXX")));
    return probe.open();
}

namespace {

// A program installed under /usr belongs to the system: even an administrator's parameters go to the
// user's own directory rather than beside the system's programs.
bool IsSystemDirectory(const QString& dir) {
    const QString canonical = QFileInfo(dir).canonicalFilePath();
    return canonical.startsWith(QStringLiteral("/usr/")) || canonical == QStringLiteral("/usr") ||
           canonical == QStringLiteral("/bin") || canonical == QStringLiteral("/sbin");
}

} // namespace

QString ChooseParameterFile(const QString& programDir, const QString& userDataDir) {
    if (!IsSystemDirectory(programDir) && DirectoryIsWritable(programDir)) return ParameterFileIn(programDir);
    QDir().mkpath(userDataDir);
    return ParameterFileIn(userDataDir);
}

} // namespace orvane
