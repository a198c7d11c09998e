#include "WindowPacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace orvane::ui {

namespace {
const char* const PacerName = "WindowPacer";
} // namespace

WindowPacer::WindowPacer(QWidget* window, int intervalMs)
    : QObject(window), window_(window), interval_(intervalMs) {
    setObjectName(QLatin1String(PacerName));
    held_.setSingleShot(true);
    held_.setTimerType(Qt::PreciseTimer);
    connect(&held_, &QTimer::timeout, this, &WindowPacer::Deliver);
    window->installEventFilter(this);
}

bool WindowPacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || event->type() != QEvent::UpdateRequest || delivering_) return false;
    if (held_.isActive()) return true;
    if (!sinceLast_.isValid() || sinceLast_.elapsed() >= interval_) {
        sinceLast_.start();
        return false;
    }
    // Qt asks only once until the window has been presented: the held request is the only one.
    held_.start(static_cast<int>(interval_ - sinceLast_.elapsed()));
    return true;
}

void WindowPacer::Deliver() {
    delivering_ = true;
    sinceLast_.start();
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window_, &request);
    delivering_ = false;
}

void PaceWindow(QWidget* window, int intervalMs) {
    if (window->findChild<WindowPacer*>(QLatin1String(PacerName), Qt::FindDirectChildrenOnly) == nullptr)
        new WindowPacer(window, intervalMs);
}

} // namespace orvane::ui
