#include "MeasureText.h"

#include "Bodies.h"
#include "Language.h"
#include "NumberText.h"

#include <QCoreApplication>

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

CountForm CountFormOf(long long count) {
    const long long n = count < 0 ? -count : count;
    if (n % 100 >= 11 && n % 100 <= 14) return CountForm::Many;
    if (n % 10 == 1) return CountForm::One;
    if (n % 10 >= 2 && n % 10 <= 4) return CountForm::Few;
    return CountForm::Many;
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
// English says "1 year" but "21 years": its first form is for one alone, its other for every other count.
CountForm InLanguage(CountForm russian, long long count) {
    if (ui::CurrentLanguage() != ui::Language::English) return russian;
    return (count == 1 || count == -1) && russian == CountForm::One ? CountForm::One : CountForm::Many;
}
QString Words(const char* one, const char* few, const char* many, CountForm form, long long whole,
              const QString& count) {
    form = InLanguage(form, whole);
    const char* text = form == CountForm::One ? one : form == CountForm::Few ? few : many;
    return QCoreApplication::translate("orvane::measure::Counts", text).arg(count);
}
} // namespace

QString YearsText(double years) {
    const auto whole = static_cast<long long>(std::trunc(years));
    return Words(QT_TRANSLATE_NOOP("orvane::measure::Counts", "%1 год"),
                 QT_TRANSLATE_NOOP("orvane::measure::Counts", "%1 года"),
                 QT_TRANSLATE_NOOP("orvane::measure::Counts", "%1 лет"), CountFormOf(whole), whole,
                 Fixed(years, 0));
}

// A fraction takes the genitive singular: "2,5 дня", "0,1 дня".
QString DaysText(double days) {
    const TenthsCount n = Tenths(days);
    return Words(QT_TRANSLATE_NOOP("orvane::measure::Counts", "%1 день"),
                 QT_TRANSLATE_NOOP("orvane::measure::Counts", "%1 дня"),
                 QT_TRANSLATE_NOOP("orvane::measure::Counts", "%1 дней"),
                 n.whole ? CountFormOf(n.count) : CountForm::Few, n.count, n.text);
}

QString DaysAndNightsText(double days) {
    const TenthsCount n = Tenths(days);
    return Words(QT_TRANSLATE_NOOP("orvane::measure::Counts", "%1 сутки"),
                 QT_TRANSLATE_NOOP("orvane::measure::Counts", "%1 суток"),
                 QT_TRANSLATE_NOOP("orvane::measure::Counts", "%1 суток"),
                 n.whole ? CountFormOf(n.count) : CountForm::Many, n.count, n.text);
}

} // namespace orvane::measure
