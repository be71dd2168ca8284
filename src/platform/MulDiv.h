#pragma once

#include <cstdint>

namespace platform {

// a * b / c with a 64-bit intermediate product, rounded to the nearest
// integer with halves away from zero. Returns -1 when c is 0 or the result
// does not fit in 32 bits. Every conversion between view units and printer
// dots goes through this, so the rounding must never differ between callers.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

} // namespace platform
