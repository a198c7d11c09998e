#pragma once

#include <QLocale>
#include <QString>

namespace orvane::measure {

// Fixed-point with `decimals` places.
QString Fixed(double value, int decimals);
// Large and small magnitudes as a mantissa with four significant digits times a power of ten:
// "−2,653·10³³"; ordinary magnitudes in fixed point.
QString Scientific(double value);
// A power of ten as "10⁻⁸".
QString PowerOfTen(int exponent);
// What stands where a quantity does not exist.
inline const QString Missing = QStringLiteral("—");

// Counts with their noun in the right form: "1 год", "2 года", "5 лет"; "1 день", "3 дня", "10 дней",
// "2,5 дня"; "1 сутки", "2 суток", "1,5 суток". Days are shown to a tenth, without ",0" when whole.
QString YearsText(double years);
QString DaysText(double days);
QString DaysAndNightsText(double days);

} // namespace orvane::measure
