#include "HelpKey.h"

#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "ProgramWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace orvane {

HelpKey::HelpKey(ProgramWindows& windows) : windows_(windows) {
    // The key belongs to every window, whatever control has the focus: it is taken before any of them.
    qApp->installEventFilter(this);
}

HelpKey::~HelpKey() {
    qApp->removeEventFilter(this);
}

// Where several programs live in one process (as in the tests), each answers for its own windows.
bool HelpKey::Mine(const QWidget* window) const {
    for (const QWidget* w = window; w != nullptr; w = w->parentWidget()) {
        if (w == &windows_.Setup() || w == windows_.ExperimentWindow() || w == windows_.HelpWindow())
            return true;
        if (qobject_cast<const Form1*>(w) != nullptr || qobject_cast<const Form2*>(w) != nullptr ||
            qobject_cast<const Form3*>(w) != nullptr)
            return false;
    }
    return true;
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() != Qt::Key_F1 || key.modifiers() != Qt::NoModifier) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || QApplication::activeModalWidget() != nullptr) return false;
    if (!Mine(widget->window())) return false;
    if (key.isAutoRepeat()) return true;
    if (auto* about = windows_.Setup().findChild<QAbstractButton*>(QStringLiteral("Command8")))
        about->click();
    return true;
}

} // namespace orvane
