// Throws any bytes at the parameter-file reader. Whatever it accepts is finite, fits, and reads back the
// same (truncated toward zero) after it has been written again.
#include "ParameterFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const orvane::ParameterFileRead read = orvane::ParseParameterText(text);
    if (!read.rows) {
        if (!read.error) std::abort(); // a refusal always says why
        return 0;
    }
    const auto again = orvane::ParseParameterText(orvane::FormatParameterText(*read.rows));
    if (!again.rows) std::abort();
    for (std::size_t body = 0; body < read.rows->size(); ++body) {
        const orvane::ParameterRow& a = (*read.rows)[body];
        const orvane::ParameterRow& b = (*again.rows)[body];
        // Coordinates must stay finite in metres; angles and velocities may be any finite number.
        if (!std::isfinite(a.x * 1e6) || !std::isfinite(a.y * 1e6)) std::abort();
        for (const auto& [value, saved] :
             {std::pair{a.angle, b.angle}, std::pair{a.x, b.x}, std::pair{a.y, b.y}, std::pair{a.vx, b.vx},
              std::pair{a.vy, b.vy}}) {
            if (!std::isfinite(value)) std::abort();
            if (saved != std::trunc(value)) std::abort();
        }
    }
    return 0;
}
