#include "NumberText.h"

#include <cfloat>
#include <cmath>

namespace orvane::ui {

namespace {

// The plain conversion: Latin digits, '-' for minus, 'E' for the exponent, no grouping, a dot.
QLocale Plain() {
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return plain;
}

// The largest doubles, rounded to 15 significant digits, show as a number just past the largest double;
// that text reads back as the largest double, so every shown value can be read back.
const QString LargestShown = QStringLiteral("1.79769313486232E+308");

} // namespace

// Only the decimal separator comes from the locale: a whole locale's formatting would bring its own
// digits (Arabic, Persian), its own minus sign (Swedish, Finnish) and its own exponent, and the text
// could not always be read back.
QString NumberToText(double value, const QLocale& locale) {
    return NumberToText(value, 'G', 15, locale);
}

QString NumberToText(double value, char format, int precision, const QLocale& locale) {
    if (value == 0) value = 0; // no "-0" for a negative zero
    QString text = Plain().toString(value, format, precision);
    const QString separator = locale.decimalPoint();
    if (separator != QLatin1String(".")) text.replace(QLatin1Char('.'), separator);
    return text;
}

std::optional<double> TextToNumber(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    // What NumberToText writes, and the same with a dot.
    QString plainText = trimmed;
    const QString separator = locale.decimalPoint();
    if (separator != QLatin1String(".")) plainText.replace(separator, QStringLiteral("."));
    bool ok = false;
    double value = Plain().toDouble(plainText, &ok);
    if (!ok && plainText.endsWith(LargestShown, Qt::CaseInsensitive) &&
        plainText.size() - LargestShown.size() == (plainText.startsWith(QLatin1Char('-')) ? 1 : 0)) {
        ok = true;
        value = plainText.startsWith(QLatin1Char('-')) ? -DBL_MAX : DBL_MAX;
    }
    if (!ok) {
        // What a user of the locale may type besides: its own digits or minus sign.
        QLocale own = locale;
        own.setNumberOptions(QLocale::RejectGroupSeparator);
        value = own.toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString DateToText(const CalendarDate& date) {
    return QStringLiteral("%1.%2.%3").arg(date.day).arg(date.month).arg(date.year);
}

} // namespace orvane::ui
