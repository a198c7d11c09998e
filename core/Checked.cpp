#include "Checked.h"
#include "FloatingPoint.h"

#include <cfenv>

namespace orvane {

void ThrowIndexError(const char* arrayName, int index) {
    throw RunTimeError("Индекс вне границ массива " + std::string(arrayName) + ": " + std::to_string(index));
}

void ThrowInt16Overflow(long long value) {
    throw RunTimeError("Переполнение целого числа: " + std::to_string(value) + " не помещается в 16 бит");
}

void ClearFloatingPointStatus() {
    std::feclearexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
}

void CheckFloatingPointStatus() {
    const int raised = std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    if (raised == 0) return;
    std::feclearexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    if (raised & FE_DIVBYZERO) throw RunTimeError("Деление на ноль");
    if (raised & FE_OVERFLOW) throw RunTimeError("Переполнение при вычислениях с плавающей точкой");
    throw RunTimeError("Недопустимая операция с плавающей точкой");
}

} // namespace orvane
