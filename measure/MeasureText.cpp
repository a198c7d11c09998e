#include "MeasureText.h"

#include "Bodies.h"
#include "NumberText.h"

#include <cmath>

namespace orvane::measure {

namespace {

QString Superscript(int value) {
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text = QString::number(std::abs(value));
    for (QChar& c : text)
        c = digits[c.digitValue()];
    return value < 0 ? QStringLiteral("⁻") + text : text;
}
} // namespace

QString Fixed(double value, int decimals) {
    if (!std::isfinite(value)) return Missing;
    // A rounded zero keeps no sign.
    const double scale = std::pow(10.0, decimals);
    if (std::round(std::abs(value) * scale) == 0) value = 0;
    return ui::NumberToText(value, 'f', decimals);
}

QString Scientific(double value) {
    if (!std::isfinite(value)) return Missing;
    const double magnitude = std::abs(value);
    if (magnitude == 0) return QStringLiteral("0");
    if (magnitude >= 0.01 && magnitude < 1e6)
        return Fixed(value, magnitude < 1 ? 4 : magnitude < 100 ? 3 : 1);
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    double mantissa = value / std::pow(10.0, exponent);
    if (std::abs(std::round(mantissa * 1000) / 1000) >= 10) {
        mantissa /= 10;
        ++exponent;
    }
    return Fixed(mantissa, 3) + QStringLiteral("·10") + Superscript(exponent);
}

QString PowerOfTen(int exponent) {
    return QStringLiteral("10") + Superscript(exponent);
}

QString Duration(double seconds) {
    const double days = seconds / SecondsPerDay;
    if (days < 2 * DaysPerJulianYear) return Fixed(days, 1) + QStringLiteral(" сут");
    return Fixed(days / DaysPerJulianYear, 3) + QStringLiteral(" г.");
}

QString DateText(const CalendarDate& date) {
    return QStringLiteral("%1.%2.%3").arg(date.day).arg(date.month).arg(date.year);
}

} // namespace orvane::measure
