#include "VbTimer.h"

namespace orvane::ui {

VbTimer::VbTimer(QObject* parent, bool enabled, int intervalMs)
    : QObject(parent), enabled_(enabled), interval_(intervalMs) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &VbTimer::Timer);
    Apply();
}

void VbTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void VbTimer::SetInterval(int intervalMs) {
    interval_ = intervalMs < 0 ? 0 : intervalMs;
    Apply();
}

void VbTimer::Apply() {
    if (!enabled_ || interval_ == 0) {
        timer_.stop();
        return;
    }
    // Restarting an active timer costs a system call and shifts its phase: only a changed interval does.
    if (!timer_.isActive() || timer_.interval() != interval_) timer_.start(interval_);
}

} // namespace orvane::ui
