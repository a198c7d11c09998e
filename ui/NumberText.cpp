#include "NumberText.h"

#include <cmath>

namespace orvane::ui {

QString NumberToText(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (value == 0) value = 0; // no "-0" for a negative zero
    return plain.toString(value, 'G', 15);
}

std::optional<double> TextToNumber(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    for (QLocale candidate : {locale, QLocale::c()}) {
        candidate.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = candidate.toDouble(trimmed, &ok);
        if (ok) {
            if (!std::isfinite(value)) return std::nullopt;
            return value;
        }
    }
    return std::nullopt;
}

} // namespace orvane::ui
