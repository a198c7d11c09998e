#include "Controls.h"

#include <QLineEdit>
#include <QStyleOptionButton>
#include <QStylePainter>

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

VbLabel::VbLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void VbLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    const bool oneLine = height() < 2 * fontMetrics().lineSpacing();
    if (oneLine == !wordWrap()) return;
    setWordWrap(!oneLine);
    if (oneLine) {
        const int needed = fontMetrics().horizontalAdvance(text()) + 2;
        if (needed > width()) resize(needed, height());
    }
}

} // namespace orvane::ui

namespace orvane::ui {

void SetCell(QLineEdit* cell, const QString& text) {
    cell->setText(text);
    cell->setCursorPosition(0);
}

} // namespace orvane::ui
