#pragma once

#include "Error.h"

#include <QByteArray>
#include <QString>

class QWidget;

namespace orvane::ui {

// What a save dialog asks for: its object name, caption, the name it offers, the file types and the
// extension a name typed without one gets.
struct SaveQuestion {
    QString objectName;
    QString caption;
    QString offeredName;
    QString filter;
    QString suffix;
};

// Asks where to save, starting in the folder the last save went to. The dialog itself adds the extension
// to a name typed without one, before it asks whether to replace an existing file, so that question is
// about the very file that will be written. Empty when the user cancels.
QString AskWhereToSave(QWidget* parent, const SaveQuestion& question);

// Writes the bytes through the one atomic writer (a previous file survives any failure, keeps its
// permissions and links; a write-protected one is refused); a failure, named as the kind of file it
// was, is shown over `parent`. True when saved.
bool SaveWholeFile(QWidget* parent, const QString& path, const QByteArray& bytes, SavedFile what);

} // namespace orvane::ui
