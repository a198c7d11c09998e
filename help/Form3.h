#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace orvane {

// The help window: how the program is used, in Russian. Every opening builds the text afresh. A
// top-level window of its own; the set-up window owns it.
class Form3 : public QWidget {
    Q_OBJECT
  public:
    Form3();

    QPlainTextEdit* Text1 = nullptr;
    // The help text as it was built, line breaks as carriage return and line feed. The box shows it with
    // the guide to the rest of the program after it (GuideText).
    const QString& HelpText() const { return helpText_; }

    void Form_Load();
    void Command1_Click();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QString helpText_;
};

} // namespace orvane
