#include "device/FrameBuilder.h"
#include "device/FrameCodes.h"

#include <gtest/gtest.h>

#include <vector>

using namespace device;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BufferBytes(const BufferList& list, std::size_t index)
{
    const auto span = list[index].bytes();
    return {span.begin(), span.end()};
}

// width x height dots whose bitmap takes exactly byteCount bytes when width is a multiple of 8.
PackedImage ImageOfBytes(int width, int height)
{
    PackedImage image = PackedImage::Blank(width, height);
    for (std::size_t i = 0; i < image.bits.size(); ++i) {
        image.bits[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    return image;
}

} // namespace

TEST(ImageFrames, CutsBitsIntoWholeWriteUnitsWithoutAnEmptyLastOne)
{
    struct Case
    {
        int width, height;
        std::vector<std::uint32_t> sizes;
    };
    const Case cases[] = {
        {64, 128, {4, 8, 512, 512}},    // 1024 bytes
        {8, 1025, {4, 8, 512, 512, 1}}, // 1025 bytes
        {4096, 1, {4, 8, 512}},         // exactly one unit
        {9, 1, {4, 8, 2}},
    };
    for (const Case& c : cases) {
        const PackedImage image = ImageOfBytes(c.width, c.height);
        BufferList list;
        ASSERT_TRUE(AppendImageFrames(list, DEV_CMD_PAGE_IMAGE, image));
        EXPECT_EQ(list.BufferSizes(), c.sizes) << c.width << " x " << c.height;
        Bytes bits;
        for (std::size_t i = 2; i < list.size(); ++i) {
            const Bytes part = BufferBytes(list, i);
            bits.insert(bits.end(), part.begin(), part.end());
        }
        EXPECT_EQ(bits, image.bits);
    }
}

TEST(ImageFrames, HeaderAndImageHeaderCarryCodeSizeAndByteCount)
{
    BufferList list;
    ASSERT_TRUE(BuildPrintImageTransaction(ImageOfBytes(300, 2), list));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(BufferBytes(list, 0), (Bytes{0x7E, 0xFD, 0x08, 0x00}));
    EXPECT_EQ(BufferBytes(list, 1), (Bytes{0x2C, 0x01, 0x02, 0x00, 76, 0, 0, 0})); // 38 bytes a row
    EXPECT_EQ(list[2].size(), 76u);
    EXPECT_EQ(BufferBytes(list, 3), (Bytes{0x7E, 0xFF, 0x00, 0x00}));
}

TEST(ImageFrames, ImageWithoutDotsSendsOnlyItsHeaderBeforeTheEndFrame)
{
    for (const auto& [width, height] : {std::pair{0, 0}, std::pair{0, 40}, std::pair{384, 0}}) {
        BufferList list;
        ASSERT_TRUE(BuildPrintImageTransaction(PackedImage::Blank(width, height), list));
        EXPECT_EQ(list.Concatenate(), (Bytes{0x7E, 0xFD, 0x08, 0x00, 0x7E, 0xFF, 0x00, 0x00}));
        EXPECT_EQ(list.size(), 2u);
    }
    BufferList page;
    ASSERT_TRUE(AppendImageFrames(page, DEV_CMD_PAGE_IMAGE, PackedImage::Blank(0, 7)));
    EXPECT_EQ(page.Concatenate(), (Bytes{0x7E, 0x03, 0x08, 0x00}));
}

TEST(ImageFrames, RefusesImagesTheHeaderCannotDescribeAndOtherCodes)
{
    PackedImage tooWide;
    tooWide.width = 65536;
    tooWide.height = 1;
    tooWide.bits.assign(8192, 0);

    PackedImage shortBits = PackedImage::Blank(16, 2);
    shortBits.bits.pop_back();

    PackedImage negative;
    negative.width = -8;
    negative.height = -1;

    for (const PackedImage& image : {tooWide, shortBits, negative}) {
        BufferList list;
        EXPECT_FALSE(AppendImageFrames(list, DEV_CMD_PRINT_IMAGE, image));
        EXPECT_TRUE(list.empty());
        EXPECT_FALSE(BuildPrintImageTransaction(image, list));
        EXPECT_TRUE(list.empty());
    }
    BufferList list;
    EXPECT_FALSE(AppendImageFrames(list, DEV_CMD_GLYPH, PackedImage::Blank(8, 8)));
    EXPECT_TRUE(list.empty());
}

TEST(PackedImage, NineDotRowTakesTwoBytesAndOnlyTheTopBitOfTheSecond)
{
    PackedImage image = PackedImage::Blank(9, 2);
    ASSERT_EQ(image.bits.size(), 4u);
    for (int x = 0; x < 9; ++x) {
        image.SetDot(x, 1, true);
    }
    image.SetDot(9, 1, true); // beyond the width: not written
    EXPECT_EQ(image.bits, (Bytes{0x00, 0x00, 0xFF, 0x80}));
    EXPECT_TRUE(image.Dot(8, 1));
    EXPECT_FALSE(image.Dot(9, 1));
    image.SetDot(0, 1, false);
    EXPECT_EQ(image.bits[2], 0x7F);
}

TEST(PackedImage, LargestImageByteCountNeedsNoMoreThan32Bits)
{
    EXPECT_EQ(BitmapByteCount(65535, 65535), 8192ull * 65535);
    EXPECT_TRUE(PackedImage::Blank(65536, 1).bits.empty());
    EXPECT_EQ(PackedImage::Blank(65536, 1).width, 0);
}
