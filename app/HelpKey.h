#pragma once

#include <QObject>

class QWidget;

namespace orvane {

class ProgramWindows;

// F1 in any window of the program opens the help window, as the set-up window's "About" does (an open
// help window is brought forward). It waits while a modal dialog or message is open.
class HelpKey : public QObject {
    Q_OBJECT
  public:
    explicit HelpKey(ProgramWindows& windows);
    ~HelpKey() override;
    HelpKey(const HelpKey&) = delete;
    HelpKey& operator=(const HelpKey&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Mine(const QWidget* window) const;

    ProgramWindows& windows_;
};

} // namespace orvane
