#include "MethodNames.h"

#include "MessageBox.h"

#include <QCoreApplication>

#include <array>

namespace orvane::ui {

namespace {
// One name per row of the core's table of methods, in its order.
constexpr std::array<const char*, SolverMethods.size()> Names{
    QT_TRANSLATE_NOOP("orvane::ui::MethodNames", "Явный метод Эйлера"),
    QT_TRANSLATE_NOOP("orvane::ui::MethodNames", "Симплектический метод Эйлера"),
    QT_TRANSLATE_NOOP("orvane::ui::MethodNames", "Метод Верле (leapfrog)"),
    QT_TRANSLATE_NOOP("orvane::ui::MethodNames", "Метод Рунге — Кутты 4-го порядка"),
};
} // namespace

QString MethodName(SolverMethod method) {
    for (std::size_t k = 0; k < SolverMethods.size(); ++k)
        if (SolverMethods[k].id == method)
            return QCoreApplication::translate("orvane::ui::MethodNames", Names[k]);
    return {};
}

QString ExperimentCaption(SolverMethod method) {
    if (method == DefaultSolverMethod) return WindowCaption;
    return QStringLiteral("%1 — %2").arg(WindowCaption, MethodName(method));
}

} // namespace orvane::ui
