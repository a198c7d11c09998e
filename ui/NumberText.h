#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace orvane::ui {

// A number as the windows show it: rounded to 15 significant digits, trailing zeros dropped, no
// leading blank, no digit grouping, the locale's decimal separator.
QString NumberToText(double value, const QLocale& locale = QLocale());

// A number typed by the user: the locale's decimal separator or '.', blanks around it allowed. Anything
// else, and a value that is not finite, is not a number.
std::optional<double> TextToNumber(const QString& text, const QLocale& locale = QLocale());

} // namespace orvane::ui
