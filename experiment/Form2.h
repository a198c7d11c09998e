#pragma once

#include "BodyColors.h"
#include "ExperimentView.h"
#include "Integrator.h"
#include "Paced.h"
#include "SimState.h"

#include <QWidget>

#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace orvane::ui {
class PictureBox;
class VbSlider;
class VbTimer;
} // namespace orvane::ui

namespace orvane {

// The experiment window: integrates the eleven bodies one Runge–Kutta step per timer event and plots
// their dotted trails on a zoomable, pannable view and a fixed-scale overview.
//
// The experiment integrates its own copy of the state, taken at each start, so nothing the set-up
// window does disturbs a running or paused run. The step length, the slow-down and the overview's scale
// are read from the shared state on every tick, as options meant to be shared; the view is the window's.
class Form2 : public QWidget {
    Q_OBJECT
  public:
    // A top-level window of its own, not a child of the set-up window: either can be brought in front
    // of the other, and hiding the set-up window does not hide this one. The program's composition owns
    // it and wires it to the set-up window (see WroteBack and Leaving).
    explicit Form2(SimState& shared);

    // Takes over the freshly packed state of a new start; zoom, pan, slow-down, the Sun setting and the
    // timer's state carry over.
    void StartFrom(const SimState& packed);
    // The caption names the method the run's next step is made with, when it is not Runge–Kutta.
    void ShowMethod();

    ui::PictureBox* Picture1 = nullptr;
    ui::PictureBox* Picture2 = nullptr;
    ui::VbTimer* Timer1 = nullptr;
    ui::VbSlider* Slider1 = nullptr;
    ui::VbSlider* Slider2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;

    // What the left screen shows: its centre and half-size in millions of kilometres.
    ExperimentView View;
    // The bodies' colours when they are not the table's (for a projector); set by the screen options.
    std::optional<BodyColors> Palette;

    void Form_Load();
    void Command1_Click(); // the tick
    void Timer1_Timer();
    // Whether the tick under way came from the timer rather than a click.
    bool TickedByTimer() const { return timerTick_; }
    void Command2_Click(); // left
    void Command8_Click(); // right
    void Command3_Click(); // up
    void Command7_Click(); // down
    void Command4_Click(); // pause
    void Command5_Click(); // continue
    void Command6_Click(); // exit
    void Command9_Click(); // save and return
    void Option1_Click();
    void Option2_Click();
    void Slider1_Scroll();
    void Slider1_Change();
    void Slider2_Scroll();
    void Slider2_Change();

    // The experiment's own state, for inspection.
    const SimState& Run() const { return run_; }
    // The state shared with the set-up window: step length, zoom size, the overview's scale.
    const SimState& Shared() const { return shared_; }

    // "Измерения…" (Ctrl+M), in this window and in both screens' menus; what it opens is attached from
    // outside.
    QAction* MeasureAction = nullptr;

    // «Очистить экраны» (the screens' right-click menu, Delete while the keys are on): both screens
    // wiped, and the trails kept for them forgotten; the run goes on from where it is.
    void ClearScreens_Click();

  signals:
    // After every step of the run, whatever made it.
    void Ticked();
    // After a new start from the set-up window has been taken over.
    void Started();
    // After a pan or a zoom has wiped both screens, before its step draws on them.
    void ScreensCleared();
    // After the save-and-return button has handed the run's state to the set-up window.
    void WroteBack();
    // «Выход» was pressed: the set-up window goes with this one, which closes right after.
    void Leaving();
    // After «Очистить экраны» has wiped both screens; the run goes on.
    void ScreensWiped();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void SetSunHeld(SunMode mode);
    void BuildLayout();
    void ShowMenuTexts();
    // Both screens wiped when a change of the view asks for it.
    void ClearScreensIf(bool clear);
    void Pan(ExperimentView::Direction direction);
    template <typename Handler>
    void Guard(Handler handler);
    // The elapsed years and days in their boxes. Ticks of the timer (`paced`) set them at most every other
    // display frame, the last value shown then at the latest: at a thousand ticks a second,
    // laying the days' text out again at every tick was an eighth of a tick's cost, for values no one
    // sees.
    void ShowElapsed(bool paced);

    SimState& shared_;
    bool timerTick_ = false;
    ui::Paced elapsedPace_{[this] { ShowElapsed(false); }};
    SimState run_;
    // The method of the run with what it keeps from step to step.
    RunIntegrator integrator_;
};

} // namespace orvane
