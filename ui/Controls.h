#pragma once

#include "Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <utility>

class QLineEdit;

namespace orvane::ui {

// A command button whose caption wraps at blanks onto as many lines as its height allows, centred,
// the way the classic buttons showed their long captions. Enter on the focused button presses it, as
// Space does, in a window as in a dialog.
class VbButton : public QPushButton {
    Q_OBJECT
  public:
    VbButton(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A label whose caption wraps at blanks, anchored at the upper left; runs of blanks are kept. The label
// keeps its size: a caption a little wider than a one-line label sets its letters closer, one that is
// still too wide wraps inside the label.
class VbLabel : public QLabel {
    Q_OBJECT
  public:
    VbLabel(const QString& caption, QWidget* parent);

    // Fits the caption to the label's size again, after a new caption.
    void Refit();

  protected:
    void resizeEvent(QResizeEvent* event) override;
};

// Creates a child with its objectName set, the way every control of the windows is named.
template <typename T, typename... Args>
T* Named(const QString& name, Args&&... args) {
    T* widget = new T(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

// The translation context of the windows' captions: every caption of a layout table is marked with
// QT_TRANSLATE_NOOP("Captions", …) and shown translated.
inline constexpr const char* CaptionContext = "Captions";
// The properties with which a control made by MakeControl remembers its caption's source text and the
// caption it shows, so that a change of language can show it anew (RetranslateCaptions).
inline constexpr const char* CaptionSourceProperty = "orvaneCaptionSource";
inline constexpr const char* CaptionContextProperty = "orvaneCaptionContext";
inline constexpr const char* CaptionShownProperty = "orvaneCaptionShown";

// Creates a captioned control with its name, at its place on the window in twips; the caption is shown
// in the program's language, translated in `context`.
template <typename T>
T* MakeControl(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
               int height, const char* context = CaptionContext) {
    const QString shown = QCoreApplication::translate(context, caption);
    T* widget = Named<T>(QString::fromUtf8(name), shown, parent);
    widget->setProperty(CaptionSourceProperty, QByteArray(caption));
    widget->setProperty(CaptionContextProperty, QByteArray(context));
    widget->setProperty(CaptionShownProperty, shown);
    PlaceTw(widget, left, top, width, height);
    return widget;
}

// Writes a cell of the parameter table so that its text is seen from the beginning, as long numbers
// are read, however narrow the cell.
void SetCell(QLineEdit* cell, const QString& text);

} // namespace orvane::ui
