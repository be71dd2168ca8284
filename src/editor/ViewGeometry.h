#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <vector>

namespace editor {

// The design view's fixed measures, in screen pixels.
inline constexpr int kRulerBand = 20;     // rulers' width; the page starts this far in
inline constexpr int kScrollMargin = 100; // room scrolled beyond the page
inline constexpr int kRulerStepMm = 2;    // one tick every 2 mm, a long one every 10 mm
inline constexpr int kGridPitch = 10;     // grid dots every 10 page pixels
inline constexpr int kMinTicketMm = 40;
inline constexpr int kMaxTicketMm = 300;
inline constexpr int kMarkerSize = 16;

// The screen's logical resolution, dots per inch.
struct ScreenDpi
{
    double x = 96.0;
    double y = 96.0;
};

// How many screen pixels one millimetre of paper takes on the page: the
// page's width always stands for the paper width.
struct MillimetreScale
{
    double horizontal = 0.0;
    double vertical = 0.0;
    // A template with a zero-width page or an absurd resolution has no
    // scale worth drawing rulers for.
    bool IsUsable() const;
};
MillimetreScale PageScale(int32_t pageWidth, int paperMm, ScreenDpi dpi);

// The page's length in millimetres, as the height label reads it; NaN when
// the page has no width.
double TicketLengthMm(platform::Size page, int paperMm, ScreenDpi dpi);

// The page size after a resize: never narrower than the paper at screen
// resolution, and between the shortest and longest ticket.
platform::Size LimitFormSize(platform::Size fixed, int paperMm, ScreenDpi dpi);

// One ruler tick: where it is along the ruler (screen pixels from the
// ruler's start, the band included) and the millimetres it stands for.
struct RulerTick
{
    int32_t at = 0;
    int millimetres = 0;
    bool IsLong() const { return millimetres % 10 == 0; }
};
// The ticks from 0 to `length` page pixels `step` pixels apart whose label
// or line can reach the visible span [from, to) of the ruler. A scale that
// is not usable gives only the 0 tick.
std::vector<RulerTick> RulerTicks(double step, double labelLength, int64_t length, int64_t from, int64_t to);

// Where the kind marker of an element goes: beside the edge with which it
// leaves the printable area, or, for a selected element inside it, to its
// left. Empty (shown false) when it needs none.
struct MarkerPlacement
{
    platform::Point at;
    bool shown = false;
};
MarkerPlacement PlaceKindMarker(const platform::Rect& element, const platform::Rect& visible,
                                const platform::Rect& printable, bool selected);

} // namespace editor
