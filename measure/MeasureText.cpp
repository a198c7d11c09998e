#include "MeasureText.h"

#include "Bodies.h"
#include "NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

namespace {
// A count of days to a tenth, and whether it is whole once rounded so.
struct TenthsCount {
    QString text;
    bool whole;
    long long count;
};
TenthsCount Tenths(double value) {
    const double tenths = std::round(value * 10);
    const bool whole = std::fmod(tenths, 10) == 0;
    return {Fixed(tenths / 10, whole ? 0 : 1), whole, static_cast<long long>(tenths / 10)};
}
// The noun's form is Qt's to choose from the count (the plural forms of each language are in its
// translation file: Russian one, few and many, English one and other). A count with a fraction takes in
// both languages the form that 2 takes ("2,5 дня", "2.5 days"), so the form is asked for 2 and the
// number is shown as %1.
QString Counted(const char* source, const TenthsCount& n) {
    const long long formCount = n.whole ? std::llabs(n.count) : 2;
    return QCoreApplication::translate("orvane::measure::Counts", source, nullptr,
                                       static_cast<int>(std::min<long long>(formCount, 1000000000)))
        .arg(n.text);
}
} // namespace

QString YearsText(double years) {
    const auto whole = static_cast<long long>(std::trunc(years));
    //: A whole number of years; %1 is the number.
    return Counted(QT_TRANSLATE_N_NOOP("orvane::measure::Counts", "%1 лет"), {Fixed(years, 0), true, whole});
}

QString DaysText(double days) {
    //: Days of a calendar; %1 is the number, to a tenth.
    return Counted(QT_TRANSLATE_N_NOOP("orvane::measure::Counts", "%1 дней"), Tenths(days));
}

QString DaysAndNightsText(double days) {
    //: A duration in days of 24 hours («сутки»); %1 is the number, to a tenth.
    return Counted(QT_TRANSLATE_N_NOOP("orvane::measure::Counts", "%1 суток"), Tenths(days));
}

} // namespace orvane::measure
