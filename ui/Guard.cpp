#include "Guard.h"

namespace orvane::ui {

void ReportRunTimeError(QWidget* owner, VbTimer* timer, const char* what) {
    if (timer != nullptr) timer->SetEnabled(false);
    ShowMessage(owner, QStringLiteral("Ошибка выполнения: %1").arg(QString::fromUtf8(what)));
}

} // namespace orvane::ui
