#include "HelpKey.h"

#include "Form1.h"
#include "Form2.h"
#include "Form3.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace orvane {

HelpKey::HelpKey(Form1& setup) : QObject(&setup), setup_(setup) {
    // The key belongs to every window, whatever control has the focus: it is taken before any of them.
    qApp->installEventFilter(this);
}

HelpKey::~HelpKey() {
    qApp->removeEventFilter(this);
}

// The program's windows belong to its set-up window; where several programs live in one process (as in
// the tests), each answers for its own windows.
bool HelpKey::Mine(const QWidget* window) const {
    for (const QWidget* w = window; w != nullptr; w = w->parentWidget()) {
        if (w == &setup_ || w == setup_.ExperimentWindow() || w == setup_.HelpWindow()) return true;
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
    if (auto* about = setup_.findChild<QAbstractButton*>(QStringLiteral("Command8"))) about->click();
    return true;
}

} // namespace orvane
