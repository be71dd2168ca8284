#pragma once

#include "device/PackedImage.h"
#include "device/PrinterTemplate.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace emulator {

// The decoder fills the same record of an upload that the designer's
// preview builds, so both print the ticket with one model.
using DecodedGlyph = device::PrinterGlyph;
using GlyphSet = device::PrinterGlyphSet;
using UploadedTemplate = device::PrinterTemplate;

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
