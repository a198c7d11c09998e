#include "ParameterFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace orvane {

namespace {

constexpr int NumbersNeeded = 55;
constexpr std::size_t MaxFileBytes = 1 << 20;
// The load stores a coordinate in metres, thousands of kilometres times this; the scaled value must stay
// finite. Angles and velocities are stored as read.
constexpr double MetresPerCoordinateUnit = MetresPerThousandKm;

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

// An optional sign, digits with an optional fraction, an optional exponent.
bool IsNumberToken(std::string_view token) {
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '-' || token[i] == '+')) ++i;
    std::size_t digits = 0;
    while (i < token.size() && token[i] >= '0' && token[i] <= '9')
        ++i, ++digits;
    if (i < token.size() && token[i] == '.') {
        ++i;
        while (i < token.size() && token[i] >= '0' && token[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < token.size() && (token[i] == '-' || token[i] == '+')) ++i;
        std::size_t expDigits = 0;
        while (i < token.size() && token[i] >= '0' && token[i] <= '9')
            ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == token.size();
}

// The power of ten of a number token's leading digit, from its text alone: tells an overflow from an
// underflow when the conversion reports that the value is out of range.
long DecimalMagnitude(std::string_view token) {
    std::size_t i = token.find_first_not_of("+-");
    long magnitude = 0;
    bool seenDigit = false;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
        if (seenDigit) ++magnitude;
        seenDigit = seenDigit || token[i] != '0';
    }
    if (!seenDigit && i < token.size() && token[i] == '.') {
        magnitude = -1;
        for (++i; i < token.size() && token[i] == '0'; ++i)
            --magnitude;
    }
    const std::size_t e = token.find_first_of("eE");
    if (e == std::string_view::npos) return magnitude;
    std::size_t k = e + 1;
    const bool negative = k < token.size() && token[k] == '-';
    if (k < token.size() && (token[k] == '-' || token[k] == '+')) ++k;
    long exponent = 0;
    for (; k < token.size(); ++k)
        exponent = std::min(exponent * 10 + (token[k] - '0'), 1'000'000L);
    return magnitude + (negative ? -exponent : exponent);
}

// The value of a checked number token. The file's numbers are written with a dot whatever the desktop's
// language, so the conversion must not depend on the locale. Nullopt when the value is too large for a
// double; a value too small for one reads as zero.
std::optional<double> TokenValue(std::string_view token) {
    if (!token.empty() && token.front() == '+') token.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (DecimalMagnitude(token) > 0) return std::nullopt;
        return token.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string WholeNumberText(double value) {
    const double whole = std::trunc(value);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole == 0 ? 0.0 : whole);
    return buffer;
}

} // namespace

ParameterFileRead ParseParameterText(std::string_view text) {
    std::array<double, NumbersNeeded> values{};
    int count = 0;
    int line = 1;
    int field = 0;
    std::size_t i = 0;
    while (i < text.size() && count < NumbersNeeded) {
        const char c = text[i];
        if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
            ++line;
            field = 0;
        }
        if (IsSeparator(c)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !IsSeparator(text[end]))
            ++end;
        const std::string_view token = text.substr(i, end - i);
        ++field;
        const auto fieldError = [&](ErrorCode code) {
            return ParameterFileRead{
                std::nullopt, Error{.code = code, .text = std::string(token), .line = line, .field = field}};
        };
        if (!IsNumberToken(token)) return fieldError(ErrorCode::FieldNotANumber);
        const std::optional<double> value = TokenValue(token);
        const bool coordinate = count % 5 == 1 || count % 5 == 2;
        if (!value || (coordinate && !std::isfinite(*value * MetresPerCoordinateUnit)))
            return fieldError(ErrorCode::NumberTooLarge);
        values[static_cast<std::size_t>(count++)] = *value;
        i = end;
    }
    if (count < NumbersNeeded) return {std::nullopt, Error{.code = ErrorCode::TooFewNumbers, .value = count}};
    ParameterRows rows;
    for (std::size_t body = 0; body < rows.size(); ++body) {
        const double* v = &values[body * 5];
        rows[body] = {v[0], v[1], v[2], v[3], v[4]};
    }
    return {rows, {}};
}

ParameterFileRead ReadParameterFile(const std::string& path) {
    struct stat info {};
    const auto fileError = [&path](ErrorCode code, int osError = 0) {
        return ParameterFileRead{std::nullopt, Error{.code = code, .path = path, .osError = osError}};
    };
    if (::stat(path.c_str(), &info) != 0) return fileError(ErrorCode::FileNotFound);
    if (!S_ISREG(info.st_mode)) return fileError(ErrorCode::NotARegularFile);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return fileError(ErrorCode::CannotOpen, errno);
    std::string text(MaxFileBytes, '\0');
    const std::size_t read = std::fread(text.data(), 1, text.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return fileError(ErrorCode::CannotRead);
    text.resize(read);
    return ParseParameterText(text);
}

std::string FormatParameterText(const ParameterRows& rows) {
    std::string text;
    for (const ParameterRow& row : rows) {
        text += WholeNumberText(row.angle) + ' ' + WholeNumberText(row.x) + ' ' + WholeNumberText(row.y) +
                ' ' + WholeNumberText(row.vx) + ' ' + WholeNumberText(row.vy) + "\r\n";
    }
    return text;
}

SaveResult WriteParameterFile(const std::string& path, const ParameterRows& rows) {
    return WriteWholeFile(path, FormatParameterText(rows));
}

} // namespace orvane
