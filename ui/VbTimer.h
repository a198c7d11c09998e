#pragma once

#include <QObject>
#include <QTimer>

namespace orvane::ui {

// A window's timer: an enabled flag and an interval in milliseconds. Unlike a bare QTimer, an
// interval of 0 delivers no events even when enabled; a new interval applies to the following events.
class VbTimer : public QObject {
    Q_OBJECT
  public:
    explicit VbTimer(QObject* parent, bool enabled = true, int intervalMs = 0);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int intervalMs);
    // True while events are being delivered (enabled with an interval above 0).
    bool Delivering() const { return timer_.isActive(); }

  signals:
    void Timer();

  private:
    void Apply();

    bool enabled_;
    int interval_;
    QTimer timer_;
};

} // namespace orvane::ui
