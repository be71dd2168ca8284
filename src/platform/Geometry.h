#pragma once

#include <algorithm>
#include <cstdint>

namespace platform {

struct Point
{
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size
{
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle with exclusive right and bottom edges, as templates store them:
// (10, 20, 110, 70) is 100 wide and 50 high.
struct Rect
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int64_t Width() const { return int64_t(right) - left; }
    int64_t Height() const { return int64_t(bottom) - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Intersection; an empty result is the all-zero rectangle.
Rect Intersect(const Rect& a, const Rect& b);
// Smallest rectangle holding both; an empty operand is left out.
Rect Union(const Rect& a, const Rect& b);
// right = max(right, left), bottom = max(bottom, top).
Rect Normalized(const Rect& r);
// Adds without overflowing: the result is clamped to 32 bits.
int32_t SaturatingAdd(int32_t a, int64_t b);

} // namespace platform
