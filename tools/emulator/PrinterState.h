#pragma once

#include "device/FrameRecords.h"
#include "device/PackedImage.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace emulator {

struct DecodedGlyph
{
    std::uint8_t position = 0;
    std::uint8_t code = 0;
    device::PackedImage bitmap;

    bool operator==(const DecodedGlyph&) const = default;
};

struct GlyphSet
{
    std::uint8_t index = 0;
    std::vector<DecodedGlyph> glyphs;

    bool operator==(const GlyphSet&) const = default;
};

// What one template upload leaves in the printer.
struct UploadedTemplate
{
    std::uint8_t department = 0;
    device::PageRecord page;
    std::vector<device::TimeFieldRecord> timeFields; // in frame order, index = position
    std::vector<GlyphSet> glyphSets;                 // index = position
    device::PackedImage pageImage;                   // 0 x 0 when the upload sent no dots

    bool operator==(const UploadedTemplate&) const = default;
};

// What the printer keeps between transactions. Each transaction takes effect
// only once its end frame has arrived, so a broken one leaves this untouched.
struct PrinterState
{
    std::optional<UploadedTemplate> uploadedTemplate;
    std::optional<device::PackedImage> printedImage; // the last one printed
    std::optional<std::uint32_t> clock;
    std::size_t transactionCount = 0;
};

} // namespace emulator
