#include "platform/Geometry.h"

#include <limits>

namespace platform {

Rect Intersect(const Rect& a, const Rect& b)
{
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? Rect{} : r;
}

Rect Union(const Rect& a, const Rect& b)
{
    if (a.IsEmpty()) {
        return b.IsEmpty() ? Rect{} : b;
    }
    if (b.IsEmpty()) {
        return a;
    }
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

Rect Normalized(const Rect& r)
{
    return Rect{r.left, r.top, std::max(r.right, r.left), std::max(r.bottom, r.top)};
}

int32_t SaturatingAdd(int32_t a, int64_t b)
{
    const int64_t sum = int64_t(a) + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace platform
