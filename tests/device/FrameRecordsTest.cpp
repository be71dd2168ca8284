#include "device/FrameRecords.h"

#include <gtest/gtest.h>

#include <vector>

using namespace device;

namespace {

std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> span)
{
    return {span.begin(), span.end()};
}

} // namespace

TEST(FrameRecords, PageRecordPutsEveryFieldLittleEndianAtItsOffset)
{
    PageRecord page;
    page.timeFieldCount = 1;
    page.glyphSetCount = 2;
    page.printCount = 3;
    page.numberReset = 4;
    page.endingNumber = 0x1234;
    page.startingNumber = 0xABCD;
    page.marginLeft = 5;
    page.marginTop = -1;
    page.marginRight = 0x01020304;
    page.marginBottom = 0;
    page.waitingCount = NumberSlot{{-2, 3, 400, 0x7FFFFFFF}, 1, 1, 4};

    const auto bytes = Serialise(page);
    const std::vector<std::uint8_t> head(bytes.begin(), bytes.begin() + 24);
    EXPECT_EQ(head, (std::vector<std::uint8_t>{1,    2,    3,    4,    0x34, 0x12, 0xCD, 0xAB, 5, 0, 0, 0,
                                               0xFF, 0xFF, 0xFF, 0xFF, 4,    3,    2,    1,    0, 0, 0, 0}));
    const std::vector<std::uint8_t> waiting(bytes.begin() + 44, bytes.begin() + 64);
    EXPECT_EQ(waiting, (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 3,    0,    0, 0, 0x90, 1,
                                                  0,    0,    0xFF, 0xFF, 0xFF, 0x7F, 1, 1, 4,    0}));
    // Absent slots are all zero.
    for (std::size_t i = 24; i < 44; ++i) {
        EXPECT_EQ(bytes[i], 0) << i;
    }
    for (std::size_t i = 64; i < 84; ++i) {
        EXPECT_EQ(bytes[i], 0) << i;
    }
    EXPECT_EQ(ParsePageRecord(bytes), page);
}

TEST(FrameRecords, SmallRecordsHaveTheirExactLayout)
{
    const TimeFieldRecord time{{1, -1, 256, 2}, 7, 10};
    EXPECT_EQ(Bytes(Serialise(time)),
              (std::vector<std::uint8_t>{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 1, 0, 0, 2, 0, 0, 0, 7, 10}));
    EXPECT_EQ(ParseTimeFieldRecord(Serialise(time)), time);

    const GlyphRecord glyph{3, 'A', 9, 300, 600};
    EXPECT_EQ(Bytes(Serialise(glyph)), (std::vector<std::uint8_t>{3, 0x41, 9, 0, 0x2C, 1, 0x58, 2}));
    EXPECT_EQ(ParseGlyphRecord(Serialise(glyph)), glyph);

    const ImageHeader image{65535, 2, 16384};
    EXPECT_EQ(Bytes(Serialise(image)), (std::vector<std::uint8_t>{0xFF, 0xFF, 2, 0, 0, 0x40, 0, 0}));
    EXPECT_EQ(ParseImageHeader(Serialise(image)), image);
}
