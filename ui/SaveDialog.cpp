#include "SaveDialog.h"

#include "ErrorText.h"
#include "MessageBox.h"
#include "Settings.h"
#include "WholeFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace orvane::ui {

namespace {
const QString LastSaveFolderKey = QStringLiteral("files/lastSaveFolder");
} // namespace

QString AskWhereToSave(QWidget* parent, const SaveQuestion& question) {
    QString folder = OpenSettings()->value(LastSaveFolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    QFileDialog dialog(parent, question.caption, QDir(folder).filePath(question.offeredName),
                       question.filter);
    dialog.setObjectName(question.objectName);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(question.suffix);
    dialog.selectFile(question.offeredName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    OpenSettings()->setValue(LastSaveFolderKey, QFileInfo(path).absolutePath());
    return path;
}

bool SaveWholeFile(QWidget* parent, const QString& path, const QByteArray& bytes, SavedFile what) {
    const SaveResult saved = WriteWholeFile(QFile::encodeName(path).toStdString(), bytes.toStdString());
    if (!saved) {
        Error failure = saved.Failure();
        failure.saved = what;
        ShowMessage(parent, ErrorText(failure));
    }
    return static_cast<bool>(saved);
}

} // namespace orvane::ui
