#pragma once

#include "Form1.h"
#include "HelpKey.h"
#include "OtherWindows.h"

#include <QObject>
#include <QPointer>

namespace orvane {

class Form2;
class Form3;

// The program's windows wired together: the set-up window, the experiment window its «Начать
// эксперимент» opens (with the measurements window attached to it), the help window of "About" and F1,
// and the gallery of lesson experiments. It owns the experiment and help windows still open when it
// goes, and decides what closing the set-up or the experiment window means for the others. The program
// builds one in main; each window test builds its own the same way.
class ProgramWindows : public QObject, private OtherWindows {
    Q_OBJECT
  public:
    explicit ProgramWindows(SimState& state);
    ~ProgramWindows() override;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    Form1& Setup() { return setup_; }
    const Form1& Setup() const { return setup_; }
    Form2* ExperimentWindow() const;
    // The experiment window is on the screen (perhaps minimized), not closed.
    bool ExperimentWindowOpen() const;
    Form3* HelpWindow() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StartExperiment(std::optional<SunMode> sun) override;
    void OpenHelp() override;
    void OpenLessons() override;
    std::optional<SunMode> ExperimentSunMode() const override;
    void ShowMethod() override;
    void SetupClosed() override;

    SimState& state_;
    Form1 setup_;
    QPointer<Form2> experiment_;
    QPointer<Form3> help_;
    // Last, so that it goes first: its filter asks after the windows above.
    HelpKey helpKey_{*this};
};

} // namespace orvane
