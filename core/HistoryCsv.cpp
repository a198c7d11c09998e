#include "HistoryCsv.h"

#include "Bodies.h"

#include <array>
#include <charconv>

namespace orvane::measure {

namespace {

// A header field holds blanks and commas: it is quoted whatever the separator.
void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}
} // namespace

std::string CsvNumber(double value, CsvFormat format) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string text(buffer.data(), result.ptr);
    if (format.decimalComma)
        for (char& c : text)
            if (c == '.') c = ',';
    return text;
}

std::string HistoryCsv(const SampleHistory& history, CsvFormat format, const BodyNameList& names) {
    const char separator = format.Separator();
    std::string out;
    out.reserve(64 * 1024 + history.Samples().size() * 48 * 12);

    AppendQuoted(out, "Время, сут");
    for (int body = body::Sun; body <= body::Count; ++body) {
        const std::string& name = names[static_cast<std::size_t>(body)];
        for (const char* column : {" x, млн км", " y, млн км", " vx, м/с", " vy, м/с"}) {
            out += separator;
            AppendQuoted(out, name + column);
        }
    }
    for (const char* column : {"Энергия, Дж", "Момент импульса, кг·м²/с", "|ΔE/E0|"}) {
        out += separator;
        AppendQuoted(out, column);
    }
    out += "\r\n";

    for (const Sample& sample : history.Samples()) {
        out += CsvNumber(sample.time / SecondsPerDay, format);
        for (int body = body::Sun; body <= body::Count; ++body) {
            for (const double value :
                 {sample.x[body] / MetresPerMillionKm, sample.y[body] / MetresPerMillionKm, sample.vx[body],
                  sample.vy[body]}) {
                out += separator;
                out += CsvNumber(value, format);
            }
        }
        out += separator;
        out += CsvNumber(sample.energy, format);
        out += separator;
        out += CsvNumber(sample.angularMomentum, format);
        out += separator;
        if (sample.relativeEnergyChange >= 0) out += CsvNumber(sample.relativeEnergyChange, format);
        out += "\r\n";
    }
    return out;
}

} // namespace orvane::measure
