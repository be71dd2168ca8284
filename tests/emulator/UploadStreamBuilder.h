#pragma once

#include "device/BufferList.h"
#include "device/FrameBuilder.h"
#include "device/FrameCodes.h"
#include "emulator/PrinterState.h"

#include <string>

// Test-side stand-in for the upload encoder: writes the transaction that
// should decode back into the given template. Each time field goes right
// before the glyph set it names, as the encoder orders them by element.
inline device::BufferList BuildUploadStream(const emulator::UploadedTemplate& upload)
{
    using namespace device;
    BufferList list;
    AppendHeader(list, DEV_CMD_PAGE, static_cast<std::uint8_t>(kPageRecordSize), upload.department);
    AppendRecord(list, upload.page);
    std::size_t nextTimeField = 0;
    for (const emulator::GlyphSet& set : upload.glyphSets) {
        while (nextTimeField < upload.timeFields.size() &&
               upload.timeFields[nextTimeField].glyphSetIndex == set.index) {
            AppendHeader(list, DEV_CMD_TIME_FIELD, static_cast<std::uint8_t>(nextTimeField), 0);
            AppendRecord(list, upload.timeFields[nextTimeField++]);
        }
        const auto count = static_cast<std::uint8_t>(set.glyphs.size());
        AppendHeader(list, DEV_CMD_GLYPH_SET, count, set.index);
        for (const emulator::DecodedGlyph& glyph : set.glyphs) {
            AppendHeader(list, DEV_CMD_GLYPH, static_cast<std::uint8_t>(kGlyphRecordSize), 0);
            AppendRecord(list, GlyphRecord{glyph.position, glyph.code,
                                           static_cast<std::uint16_t>(glyph.bitmap.width),
                                           static_cast<std::uint16_t>(glyph.bitmap.height),
                                           static_cast<std::uint16_t>(glyph.bitmap.bits.size())});
            list.Append(glyph.bitmap.bits);
        }
        AppendHeader(list, DEV_CMD_GLYPH_SET_END, count, set.index);
    }
    for (; nextTimeField < upload.timeFields.size(); ++nextTimeField) {
        AppendHeader(list, DEV_CMD_TIME_FIELD, static_cast<std::uint8_t>(nextTimeField), 0);
        AppendRecord(list, upload.timeFields[nextTimeField]);
    }
    AppendImageFrames(list, DEV_CMD_PAGE_IMAGE, upload.pageImage);
    AppendHeader(list, DEV_CMD_END, 0, 0);
    return list;
}

// A glyph with a recognisable pattern: a diagonal of ink and the bottom-right dot.
inline emulator::DecodedGlyph MakeGlyph(std::uint8_t position, char code, int width, int height)
{
    emulator::DecodedGlyph glyph{position, static_cast<std::uint8_t>(code),
                                 device::PackedImage::Blank(width, height)};
    for (int y = 0; y < height; ++y) {
        glyph.bitmap.SetDot((y + position) % width, y, true);
    }
    glyph.bitmap.SetDot(width - 1, height - 1, true); // the last dot of the last row

    return glyph;
}

inline emulator::GlyphSet MakeGlyphSet(std::uint8_t index, const std::string& characters, int width,
                                       int height)
{
    emulator::GlyphSet set{index, {}};
    for (std::size_t i = 0; i < characters.size(); ++i) {
        set.glyphs.push_back(MakeGlyph(static_cast<std::uint8_t>(i), characters[i], width, height));
    }
    return set;
}
