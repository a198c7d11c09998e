// Throws any text at the conversion of the input fields. Whatever it reads as a number is finite, and
// the number's text, as the windows show it, reads back as the same number to 15 significant digits.
#include "NumberText.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Besides the C locale, a comma, a U+2212 minus (Swedish), and Arabic digits and decimal sign.
    static const QLocale locales[] = {
        QLocale::c(), QLocale(QLocale::Russian, QLocale::Russia), QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::Swedish, QLocale::Sweden), QLocale(QLocale::Arabic, QLocale::Egypt)};
    for (const QLocale& locale : locales) {
        const std::optional<double> value = orvane::ui::TextToNumber(text, locale);
        if (!value) continue;
        if (!std::isfinite(*value)) std::abort();
        const std::optional<double> back =
            orvane::ui::TextToNumber(orvane::ui::NumberToText(*value, locale), locale);
        if (!back || std::fabs(*back - *value) > 1e-14 * std::fabs(*value)) std::abort();
    }
    return 0;
}
