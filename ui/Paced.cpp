#include "Paced.h"

#include <utility>

namespace orvane::ui {

Paced::Paced(std::function<void()> update) : update_(std::move(update)) {
    held_.setSingleShot(true);
    QObject::connect(&held_, &QTimer::timeout, [this] { update_(); });
}

bool Paced::Due(int intervalMs) {
    if (!since_.isValid() || since_.elapsed() >= intervalMs) return true;
    if (!held_.isActive()) held_.start(static_cast<int>(intervalMs - since_.elapsed()));
    return false;
}

void Paced::Ran() {
    held_.stop();
    since_.start();
}

void Paced::Flush() {
    if (Held()) update_();
}

} // namespace orvane::ui
