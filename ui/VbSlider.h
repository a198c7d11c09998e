#pragma once

#include <QSlider>

namespace orvane::ui {

// A horizontal slider with the two events of the classic control: Scroll when the user moves it
// (dragging, keys, clicks on the track) and Change whenever its value has changed, also when a program
// sets it. A user's move raises Scroll first, then Change.
class VbSlider : public QSlider {
    Q_OBJECT
  public:
    VbSlider(QWidget* parent, int min, int max, int value, int largeChange, int smallChange);

  signals:
    void Scroll();
    void Change();

  private:
    bool userMove_ = false;
};

} // namespace orvane::ui
