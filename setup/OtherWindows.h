#pragma once

#include "ExperimentOptions.h"

#include <optional>

namespace orvane {

// What the set-up window asks of the program's other windows. The program's composition (app/) answers;
// the set-up window neither creates nor owns another window, and one built without a composition opens
// none.
class OtherWindows {
  public:
    // «Начать эксперимент», once the start is packed into the shared state: the experiment window, opened
    // or brought forward, takes the run over; `sun`, when a load left one pending, is switched on in it.
    virtual void StartExperiment(std::optional<SunMode> sun) = 0;
    // "About" and F1: the help window, opened or brought forward.
    virtual void OpenHelp() = 0;
    // «Опыты для урока…»: the gallery; the experiment chosen there comes back through Form1::LoadLesson.
    virtual void OpenLessons() = 0;
    // The Sun's mode the experiment window's option holds; none while there is no experiment window.
    virtual std::optional<SunMode> ExperimentSunMode() const = 0;
    // The method of solution changed: the experiment window's caption follows it.
    virtual void ShowMethod() = 0;
    // The set-up window has accepted its closing; what that means for the others is theirs to decide.
    virtual void SetupClosed() = 0;

  protected:
    OtherWindows() = default;
    OtherWindows(const OtherWindows&) = default;
    OtherWindows& operator=(const OtherWindows&) = default;
    ~OtherWindows() = default;
};

} // namespace orvane
