#pragma once

#include "BodyColors.h"
#include "BodyLabels.h"
#include "Paced.h"
#include "ScreenOptions.h"
#include "TrailStore.h"

#include <QObject>

class QAction;

namespace orvane {

class ExperimentKeys;
class Form2;

// The experiment window's options for a class: four checkable entries of both screens' right-click menu,
// after "Измерения…", remembered in the program's settings. It follows the window's run: it keeps the
// trails while «Сохранять следы при перемещении экрана» is on and draws them again when the screens are
// wiped, names the bodies after every step, sets the screens' large marks and switches the keys.
// With every option off it draws nothing and records nothing. A child of the window.
class ScreenOptionsController : public QObject {
    Q_OBJECT
  public:
    explicit ScreenOptionsController(Form2& experiment);

    const ScreenOptions& Options() const { return options_; }
    // Takes the options over as the user would by the menu: applied at once and remembered.
    void SetOptions(const ScreenOptions& options);

    // The kept path of the run (empty while the option is off).
    const TrailStore& Trails() const { return trails_; }
    TrailStore& Trails() { return trails_; }

    QAction* BodyNamesAction = nullptr;
    QAction* KeepTrailsAction = nullptr;
    QAction* KeysAction = nullptr;
    QAction* LargeMarksAction = nullptr;
    // «Очистить экраны», after the options.
    QAction* ClearScreensAction = nullptr;

  protected:
    // A change of language reaches the window, not this object: it names the entries, the screens'
    // tooltip and the bodies anew.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowTexts();
    void Apply(const ScreenOptions& options);
    void OnTicked();
    void OnStarted();
    void OnScreensCleared();
    void ShowBodyNames();
    void Redraw();
    QString ScreensToolTip() const;

    Form2& experiment_;
    ScreenOptions options_;
    TrailStore trails_;
    BodyColors colors_;
    BodyNameTexts names_;
    ExperimentKeys* keys_ = nullptr;
    bool ticked_ = false; // the screens have their scale from a tick of this window
    // Everything the screens show is in the store (not after a new start, a write-back, or the option
    // turned on in the middle of a run): only then may they be drawn again from it alone.
    bool screensInStore_ = true;
    // The timer's ticks name the bodies at most once per display frame: at a thousand ticks a second,
    // placing the names at every tick cost as much as the rest of the options together.
    ui::Paced namesPace_{[this] { ShowBodyNames(); }};
};

// Gives the experiment window its options for a class.
ScreenOptionsController* AttachScreenOptions(Form2& experiment);

} // namespace orvane
