#include "Controls.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace orvane::ui {

VbButton::VbButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void VbButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
}

void VbButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

VbLabel::VbLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void VbLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Refit();
}

void VbLabel::Refit() {
    // The label keeps the size the layout gives it. A one-line label whose caption is a little too wide
    // sets its letters closer, by at most half a pixel each; a caption that still does not fit wraps
    // inside the label like a taller one's.
    QFont tight = font();
    tight.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const bool oneLine = height() < 2 * QFontMetrics(tight).lineSpacing();
    const int excess = QFontMetrics(tight).horizontalAdvance(text()) - width();
    const qsizetype letters = std::max<qsizetype>(text().size(), 1);
    constexpr double MaxTighteningPx = 0.5;
    const double tightening = oneLine && excess > 0 ? double(excess + 1) / double(letters) : 0;
    if (tightening > 0 && tightening <= MaxTighteningPx)
        tight.setLetterSpacing(QFont::AbsoluteSpacing, -tightening);
    setFont(tight);
    setWordWrap(!oneLine || tightening > MaxTighteningPx);
}

} // namespace orvane::ui

namespace orvane::ui {

void SetCell(QLineEdit* cell, const QString& text) {
    cell->setText(text);
    cell->setCursorPosition(0);
}

} // namespace orvane::ui
