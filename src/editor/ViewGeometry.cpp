#include "editor/ViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace editor {

using platform::Rect;
using platform::Size;

namespace {

// trunc() into 32 bits, holding absurd values at the ends instead of
// converting out of range.
int32_t Truncate(double value)
{
    if (!std::isfinite(value)) {
        return value > 0 ? std::numeric_limits<int32_t>::max() : 0;
    }
    return static_cast<int32_t>(std::clamp(std::trunc(value), double(std::numeric_limits<int32_t>::min()),
                                           double(std::numeric_limits<int32_t>::max())));
}

} // namespace

bool MillimetreScale::IsUsable() const
{
    return std::isfinite(horizontal) && std::isfinite(vertical) && horizontal > 0 && vertical > 0;
}

MillimetreScale PageScale(int32_t pageWidth, int paperMm, ScreenDpi dpi)
{
    MillimetreScale scale;
    scale.horizontal = double(pageWidth) / paperMm;
    scale.vertical = double(pageWidth) * dpi.y / (paperMm * dpi.x);
    return scale;
}

double TicketLengthMm(Size page, int paperMm, ScreenDpi dpi)
{
    if (page.cx == 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return double(page.cy) * dpi.x * paperMm / (double(page.cx) * dpi.y);
}

Size LimitFormSize(Size fixed, int paperMm, ScreenDpi dpi)
{
    const int32_t minimumWidth = Truncate(paperMm * dpi.x / 25.4);
    const int32_t width = fixed.cx < minimumWidth ? minimumWidth : fixed.cx;
    const double perMm = double(width) * dpi.y / (paperMm * dpi.x);
    int32_t height = fixed.cy;
    if (perMm * kMinTicketMm > height) {
        height = Truncate(perMm * kMinTicketMm);
    } else if (height > perMm * kMaxTicketMm) {
        height = Truncate(perMm * kMaxTicketMm);
    }
    return Size{width, height};
}

std::vector<RulerTick> RulerTicks(double step, double labelLength, int64_t length, int64_t from, int64_t to)
{
    std::vector<RulerTick> ticks;
    if (length < 0) {
        return ticks;
    }
    if (!std::isfinite(step) || step <= 0) {
        ticks.push_back(RulerTick{kRulerBand, 0});
        return ticks;
    }
    // A label reaches labelLength past its tick, so start one label early.
    const double reach = std::isfinite(labelLength) ? std::max(labelLength, 0.0) : 0.0;
    const double first = std::floor((double(from) - kRulerBand - reach - 2) / step);
    int64_t k = first > 0 ? int64_t(first) : 0;
    int32_t lastAt = std::numeric_limits<int32_t>::min();
    bool lastLong = false;
    for (;; ++k) {
        const double g = double(k) * step;
        if (g > double(length) || g + kRulerBand > double(to)) {
            break;
        }
        RulerTick tick{Truncate(g + kRulerBand), static_cast<int>(std::min<int64_t>(k * kRulerStepMm, 1 << 30))};
        // On a page squeezed below a pixel a millimetre, ticks fall on the
        // same pixel: one line each is enough, a long one kept.
        if (tick.at == lastAt && (lastLong || !tick.IsLong())) {
            continue;
        }
        if (tick.at == lastAt) {
            ticks.back() = tick;
        } else {
            ticks.push_back(tick);
        }
        lastAt = tick.at;
        lastLong = tick.IsLong();
    }
    return ticks;
}

namespace {

// One axis of a marker: the position along it and whether this axis asks
// for the marker.
struct AxisPlacement
{
    int32_t at;
    bool flagged;
};

AxisPlacement PlaceOnAxis(int32_t low, int32_t high, int32_t printableLow, int32_t printableHigh)
{
    const int64_t size = kMarkerSize;
    const int64_t gap = 6;
    const int64_t outside = 22;
    if (int64_t(high) - size > printableHigh) {
        return {static_cast<int32_t>(high - size), true};
    }
    if (high > printableHigh) {
        return {static_cast<int32_t>(std::min<int64_t>(int64_t(high) + gap, std::numeric_limits<int32_t>::max())),
                true};
    }
    if (int64_t(low) + outside < printableLow) {
        return {low, true};
    }
    if (low < printableLow) {
        return {static_cast<int32_t>(int64_t(low) - outside), true};
    }
    return {low, false};
}

} // namespace

MarkerPlacement PlaceKindMarker(const Rect& element, const Rect& visible, const Rect& printable, bool selected)
{
    Rect r = platform::Intersect(element, visible);
    if (r.IsEmpty()) {
        r = visible;
    }
    const AxisPlacement h = PlaceOnAxis(r.left, r.right, printable.left, printable.right);
    const AxisPlacement v = PlaceOnAxis(r.top, r.bottom, printable.top, printable.bottom);
    MarkerPlacement placement{platform::Point{h.at, v.at}, h.flagged || v.flagged};
    if (!placement.shown && selected) {
        placement.at.x = static_cast<int32_t>(int64_t(r.left) - 22);
        placement.shown = true;
    }
    placement.at.x = std::max(placement.at.x, -kRulerBand);
    placement.at.y = std::max(placement.at.y, -kRulerBand);
    return placement;
}

} // namespace editor
