#include "platform/MulDiv.h"

#include <limits>

namespace platform {

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0) {
        return -1;
    }
    const int64_t product = static_cast<int64_t>(a) * b;
    int64_t quotient = product / c;
    const int64_t remainder = product % c;
    // |remainder| < |c| <= 2^31, so doubling it stays inside 64 bits.
    const int64_t twiceRemainder = 2 * (remainder < 0 ? -remainder : remainder);
    const int64_t magnitudeOfC = c < 0 ? -static_cast<int64_t>(c) : c;
    if (twiceRemainder >= magnitudeOfC) {
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    }
    if (quotient > std::numeric_limits<int32_t>::max() || quotient < std::numeric_limits<int32_t>::min()) {
        return -1;
    }
    return static_cast<int32_t>(quotient);
}

} // namespace platform
