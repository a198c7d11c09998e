#pragma once

#include "Calendar.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace orvane::ui {

// A number as the windows show it: rounded to 15 significant digits, trailing zeros dropped, no
// leading blank, no digit grouping, Latin digits, '-' and 'E' as the plain conversion writes them
// ("-55414", "1E-07"); only the decimal separator is the locale's.
QString NumberToText(double value, const QLocale& locale = QLocale());

// A number in a chosen format and precision (QLocale's 'f', 'e', 'g'), written the same way: Latin digits,
// '-', no grouping, only the decimal separator the locale's. For figures that are read, not typed.
QString NumberToText(double value, char format, int precision, const QLocale& locale = QLocale());

// A number typed by the user: the locale's decimal separator or '.', blanks around it allowed; every
// text NumberToText writes for the same locale reads back. The locale's own digits and minus sign are
// taken too. Anything else, and a value that is not finite, is not a number.
std::optional<double> TextToNumber(const QString& text, const QLocale& locale = QLocale());

// A date as every window writes it and the date field reads it back: day, month and year with dots,
// without leading zeros ("1.3.1900"), whatever the desktop's language.
QString DateToText(const CalendarDate& date);

} // namespace orvane::ui
