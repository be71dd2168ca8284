#pragma once

#include "UploadStreamBuilder.h"

// A small upload whose buffers sit at fixed indices, so that tests can spoil one field:
//  0 page header        1 page record
//  2 set 0 start        3, 6 glyph headers  4, 7 glyph records  5, 8 glyph bitmaps (9 x 3)
//  9 set 0 end         10 time field header 11 time field record
// 12 set 1 start       13 glyph header     14 glyph record     15 glyph bitmap (5 x 4)
// 16 set 1 end         17 page image header 18 image header    19 image bits (16 x 2)
// 20 end frame
inline emulator::UploadedTemplate SampleTemplate()
{
    emulator::UploadedTemplate upload;
    upload.department = 3;
    upload.page.timeFieldCount = 1;
    upload.page.glyphSetCount = 2;
    upload.page.printCount = 2;
    upload.page.numberReset = 1;
    upload.page.endingNumber = 999;
    upload.page.startingNumber = 1;
    upload.page.marginLeft = 2;
    upload.page.marginTop = 3;
    upload.page.marginRight = 2;
    upload.page.marginBottom = 5;
    upload.page.ticketNumber = device::NumberSlot{{10, 20, 200, 60}, 0, 1, 3};
    upload.glyphSets.push_back(MakeGlyphSet(0, "01", 9, 3));
    upload.timeFields.push_back(device::TimeFieldRecord{{0, 100, 380, 130}, 1, 4});
    upload.glyphSets.push_back(MakeGlyphSet(1, ":", 5, 4));
    upload.pageImage = device::PackedImage::Blank(16, 2);
    upload.pageImage.bits = {0x80, 0x01, 0xFF, 0x00};
    return upload;
}

inline std::uint64_t BufferOffset(const device::BufferList& list, std::size_t index)
{
    std::uint64_t offset = 0;
    for (std::size_t i = 0; i < index; ++i) {
        offset += list[i].size();
    }
    return offset;
}
