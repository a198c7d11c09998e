#include "Guard.h"

#include "ErrorText.h"

#include <QCoreApplication>

namespace orvane::ui {

namespace {
void Report(QWidget* owner, VbTimer* timer, const QString& message) {
    if (timer != nullptr) timer->SetEnabled(false);
    ShowMessage(owner, message);
}
} // namespace

void ReportRunTimeError(QWidget* owner, VbTimer* timer, const RunTimeError& error) {
    Report(owner, timer,
           QCoreApplication::translate("Guard", "Ошибка выполнения: %1").arg(ErrorText(error.Value())) +
               QStringLiteral("\n\n") +
               QCoreApplication::translate("Guard",
                                           "Движение остановлено. Что можно сделать: выбрать в окне "
                                           "подготовки более высокую «Точность решения» (меньший шаг) "
                                           "или задать другие данные."));
}

void ReportRunTimeError(QWidget* owner, VbTimer* timer, const char* what) {
    Report(owner, timer,
           QCoreApplication::translate("Guard", "Ошибка выполнения: %1").arg(QString::fromUtf8(what)));
}

} // namespace orvane::ui
