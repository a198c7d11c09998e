#pragma once

#include "ExperimentTick.h"

#include <QObject>

class QKeyEvent;

namespace orvane {

class Form2;
class WheelZoom;

// The experiment window from the keyboard, for a teacher at the board or a presenter remote: Space =
// "Старт" the first time, then "Пауза" or "Продолжить", whichever applies; the arrows = the four pan
// buttons; + and − = the screen 1.25 times smaller or larger (WheelZoom); Home = the view
// as the window opened; PageDown = "Продолжить", PageUp = "Пауза"; Delete = «Очистить экраны». Each key
// clicks its control, so its handler and signals run as for a click. The keys reach the window whatever
// control has the focus: while on, they are taken before any control sees them.
class ExperimentKeys : public QObject {
    Q_OBJECT
  public:
    explicit ExperimentKeys(Form2& experiment);
    ~ExperimentKeys() override;

    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    // The keys, a line each, for the screens' tooltip.
    static QString KeyList();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // True when the key is one of the window's and was handled (or, for a press held down, ignored).
    bool Handle(const QKeyEvent& key);
    void ClickButton(const char* name);
    void GoHome();

    Form2& experiment_;
    bool enabled_ = false;
    int homeSize_;
    ExperimentView homeView_;
    WheelZoom* zoom_;
};

} // namespace orvane
