#include "Checked.h"
#include "FloatingPoint.h"

#include <cfenv>

namespace orvane {

void ThrowIndexError(const char* arrayName, int index) {
    throw RunTimeError({.code = ErrorCode::IndexOutOfBounds, .text = arrayName, .value = index});
}

void ThrowInt16Overflow(long long value) {
    throw RunTimeError({.code = ErrorCode::Int16Overflow, .value = value});
}

void ClearFloatingPointStatus() {
    std::feclearexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
}

void CheckFloatingPointStatus() {
    const int raised = std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    if (raised == 0) return;
    std::feclearexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    if (raised & FE_DIVBYZERO) throw RunTimeError({.code = ErrorCode::DivisionByZero});
    if (raised & FE_OVERFLOW) throw RunTimeError({.code = ErrorCode::FloatingPointOverflow});
    throw RunTimeError({.code = ErrorCode::InvalidOperation});
}

} // namespace orvane
