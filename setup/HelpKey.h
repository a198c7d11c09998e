#pragma once

#include <QObject>

class QWidget;

namespace orvane {

class Form1;

// F1 in any window of the program opens the help window, as the set-up window's "About" does (an open
// help window is brought forward). It waits while a modal dialog or message is open.
class HelpKey : public QObject {
    Q_OBJECT
  public:
    explicit HelpKey(Form1& setup);
    ~HelpKey() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Mine(const QWidget* window) const;

    Form1& setup_;
};

} // namespace orvane
