#pragma once

#include "device/FrameRecords.h"
#include "device/PackedImage.h"

#include <cstdint>
#include <vector>

namespace device {

// One glyph of a field's set as the printer keeps it.
struct PrinterGlyph
{
    std::uint8_t position = 0;
    std::uint8_t code = 0;
    PackedImage bitmap;

    bool operator==(const PrinterGlyph&) const = default;
};

struct PrinterGlyphSet
{
    std::uint8_t index = 0;
    std::vector<PrinterGlyph> glyphs;

    bool operator==(const PrinterGlyphSet&) const = default;

    // The glyph of a character, or null when the set has none.
    const PrinterGlyph* Find(std::uint8_t code) const;
};

// What one template upload leaves in the printer: the page settings, the
// fields, their glyph sets and the static page image.
struct PrinterTemplate
{
    std::uint8_t department = 0;
    PageRecord page;
    std::vector<TimeFieldRecord> timeFields; // in frame order, index = position
    std::vector<PrinterGlyphSet> glyphSets;  // index = position
    PackedImage pageImage;                   // 0 x 0 when the upload sent no dots

    bool operator==(const PrinterTemplate&) const = default;

    // The set of that index, or null when the upload sent none.
    const PrinterGlyphSet* FindSet(std::uint8_t index) const;
};

} // namespace device
