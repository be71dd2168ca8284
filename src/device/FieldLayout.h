#pragma once

// How the printer fills a dynamic field (a ticket number, waiting count,
// now-serving number or time) with the glyph set the upload sent. What the
// firmware does is not fixed by the templates, so this is our model of it,
// kept in this one place for the emulator's tickets, the check, the preview
// and the command line. Where we are unsure we assume what prints less well,
// so that the check rather flags a field that would fit than passes one
// that is cut:
//
// 1. The field's text is printed one glyph after another, each advancing by
//    its own glyph's width in dots, with no gap between glyphs. The widths
//    are whole dots as sent, so each glyph's rounding adds up.
// 2. A character the set has no glyph for (the space between a date and a
//    time) prints nothing and advances as far as the widest glyph of the set.
// 3. The line is as tall as its tallest glyph, and each glyph is centred on
//    it vertically. The line is centred in the field's rectangle on both
//    axes (halves rounded down); a line wider or taller than the rectangle
//    starts at its left or top edge.
// 4. Nothing prints outside the field's rectangle: what does not fit is cut
//    off at the right and at the bottom.
//
// A measurement on a real printer changes LayOutField and nothing else.

#include "device/FrameRecords.h"
#include "device/PackedImage.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace device {

// A glyph of a field's set: its character code and its size in dots.
struct GlyphMetrics
{
    std::uint8_t code = 0;
    int width = 0;
    int height = 0;
};

// Where one character of the text lands, in dots of the printable area.
struct PlacedCharacter
{
    std::int64_t x = 0;
    std::int64_t y = 0;
    int glyph = -1; // index into the set; -1: no glyph, the printer only advances
};

struct FieldLayout
{
    std::vector<PlacedCharacter> characters; // one per character of the text
    std::int64_t lineWidth = 0;              // dots the whole text advances
    int lineHeight = 0;                      // the tallest glyph
    std::int64_t cutWidthDots = 0;           // dots of the line beyond the rectangle's width
    std::int64_t cutHeightDots = 0;          // rows of the line beyond its height

    bool Fits() const { return cutWidthDots == 0 && cutHeightDots == 0; }
};

// How far the printer advances over a character without a glyph.
int MissingGlyphAdvance(const std::vector<GlyphMetrics>& set);

FieldLayout LayOutField(const std::vector<GlyphMetrics>& set, const DeviceRect& rect, std::string_view text);

// The ink of a laid-out field on the page, cut at the field's rectangle and
// the page's edges. bitmaps[i] is the glyph of set[i].
void StampField(PackedImage& page, const FieldLayout& layout, const std::vector<const PackedImage*>& bitmaps,
                const DeviceRect& rect);

} // namespace device
