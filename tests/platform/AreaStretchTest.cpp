#include "platform/AreaStretch.h"

#include "support/PixelTestSupport.h"

#include <gtest/gtest.h>

using platform::Rect;
using platform::Size;
using platform::StretchAreaAveraged;

TEST(AreaStretch, ShrinkingAveragesInsteadOfDroppingThinStrokes)
{
    // A one-pixel black column in a white 8x8 image, shrunk to 2x2: the
    // stroke must survive as grey in the left column.
    QImage image = pixeltest::WhiteImage(8, 8);
    for (int y = 0; y < 8; ++y) {
        image.setPixel(1, y, qRgb(0, 0, 0));
    }
    const QImage small = StretchAreaAveraged(image, Size{2, 2});
    ASSERT_EQ(small.size(), QSize(2, 2));
    EXPECT_NEAR(qRed(small.pixel(0, 0)), 191, 1) << "a quarter of the area is black";
    EXPECT_EQ(pixeltest::Rgb(small, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(pixeltest::Rgb(small, 1, 1), 0xFFFFFFu);
}

TEST(AreaStretch, WhiteStaysPureWhiteAndUniformColourStaysExact)
{
    QImage image = pixeltest::WhiteImage(7, 3);
    const QImage grown = StretchAreaAveraged(image, Size{23, 11});
    EXPECT_EQ(pixeltest::CountOther(grown, grown.rect()), 0);
    image.fill(qRgb(10, 200, 30));
    const QImage shrunk = StretchAreaAveraged(image, Size{3, 2});
    EXPECT_EQ(pixeltest::CountColour(shrunk, shrunk.rect(), qRgb(10, 200, 30)), 6);
}

TEST(AreaStretch, EnlargingRepeatsPixelsAndBlendsOnlyWhereTheyMeet)
{
    QImage image(2, 1, QImage::Format_ARGB32_Premultiplied);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(1, 0, qRgb(255, 255, 255));
    const QImage grown = StretchAreaAveraged(image, Size{4, 1});
    EXPECT_EQ(pixeltest::Rgb(grown, 0, 0), 0u);
    EXPECT_EQ(pixeltest::Rgb(grown, 1, 0), 0u);
    EXPECT_EQ(pixeltest::Rgb(grown, 2, 0), 0xFFFFFFu);
    const QImage odd = StretchAreaAveraged(image, Size{3, 1});
    EXPECT_NEAR(qRed(odd.pixel(1, 0)), 128, 1) << "the middle pixel covers half of each";
}

TEST(AreaStretch, APartEqualsTheSameRegionOfTheWholeResult)
{
    QImage image(13, 9, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 13; ++x) {
            image.setPixel(x, y, qRgb(x * 19, y * 27, (x * y) % 256));
        }
    }
    const QImage whole = StretchAreaAveraged(image, Size{31, 20});
    const QImage part = StretchAreaAveraged(image, Rect{0, 0, 13, 9}, Size{31, 20}, Rect{5, 3, 17, 50});
    ASSERT_EQ(part.size(), QSize(12, 17)) << "the part is clipped to the destination";
    EXPECT_EQ(part, whole.copy(5, 3, 12, 17));
}

TEST(AreaStretch, EmptyInputsGiveNullImages)
{
    const QImage image = pixeltest::WhiteImage(4, 4);
    EXPECT_TRUE(StretchAreaAveraged(image, Size{0, 5}).isNull());
    EXPECT_TRUE(StretchAreaAveraged(image, Rect{4, 0, 8, 4}, Size{5, 5}, Rect{0, 0, 5, 5}).isNull());
    EXPECT_TRUE(StretchAreaAveraged(QImage(), Size{3, 3}).isNull());
}
