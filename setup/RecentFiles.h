#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// The parameter files opened or saved last, newest first, at most MaxRecentFiles of them, kept in the
// program's settings; and the folder the file dialogs open in.
inline constexpr int MaxRecentFiles = 5;

QStringList RecentParameterFiles();
// Puts the file first (once), drops the oldest beyond the limit, and remembers its folder.
void NoteRecentParameterFile(const QString& path);
void ForgetRecentParameterFile(const QString& path);

// The folder last used by a file dialog for parameter files; the user's documents folder at first.
QString LastParameterFolder();

} // namespace orvane
