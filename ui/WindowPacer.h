#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace orvane::ui {

// Presents a window at most once per interval. A widget's update() asks for the window to be presented
// at the next turn of the event loop; a text box set at every 1 ms tick would thus have the whole window
// composed and sent to the display a thousand times a second. The pacer holds back a presentation that
// comes too soon after the last one and delivers it when the interval is over; when nothing changes,
// nothing runs.
class WindowPacer : public QObject {
    Q_OBJECT
  public:
    WindowPacer(QWidget* window, int intervalMs);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Deliver();

    QWidget* window_;
    int interval_;
    QElapsedTimer sinceLast_;
    QTimer held_;
    bool delivering_ = false;
};

// Paces a top-level window once, however many of its widgets ask.
void PaceWindow(QWidget* window, int intervalMs);

} // namespace orvane::ui
