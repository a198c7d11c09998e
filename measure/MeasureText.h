#pragma once

#include "Calendar.h"

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
// A duration in seconds, in days below two years and in years above.
QString Duration(double seconds);
// A date as the program writes it: 1.1.2000.
QString DateText(const CalendarDate& date);
// What stands where a quantity does not exist.
inline const QString Missing = QStringLiteral("—");

} // namespace orvane::measure
