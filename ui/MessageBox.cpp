#include "MessageBox.h"

#include <QMessageBox>

namespace orvane::ui {

void ShowMessage(QWidget* parent, const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, WindowCaption, prompt, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.exec();
}

} // namespace orvane::ui
