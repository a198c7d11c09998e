#include "RecentFiles.h"

#include "Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvane {

namespace {
const QString RecentKey = QStringLiteral("parameterFiles/recent");
const QString FolderKey = QStringLiteral("parameterFiles/lastFolder");

QString Absolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

QStringList RecentParameterFiles() {
    QStringList files = ui::OpenSettings()->value(RecentKey).toStringList();
    files.removeAll(QString());
    files.removeDuplicates();
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    return files;
}

void NoteRecentParameterFile(const QString& path) {
    const QString file = Absolute(path);
    QStringList files = RecentParameterFiles();
    files.removeAll(file);
    files.prepend(file);
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    auto settings = ui::OpenSettings();
    settings->setValue(RecentKey, files);
    settings->setValue(FolderKey, QFileInfo(file).absolutePath());
}

void ForgetRecentParameterFile(const QString& path) {
    QStringList files = RecentParameterFiles();
    files.removeAll(Absolute(path));
    ui::OpenSettings()->setValue(RecentKey, files);
}

QString LastParameterFolder() {
    const QString folder = ui::OpenSettings()->value(FolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace orvane
