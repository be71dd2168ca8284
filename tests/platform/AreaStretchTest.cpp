#include "platform/AreaStretch.h"

#include "support/PixelTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

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

namespace {

// Area averaging written out plainly: each axis in turn, every overlap
// between a destination pixel and a source pixel weighted by its length,
// rounded to the nearest value after each axis.
QImage ReferenceStretch(const QImage& image, QSize dest)
{
    const QImage input = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto axis = [](int64_t srcLen, int64_t dstLen, int64_t d, int64_t s) {
        const int64_t from = std::max(d * srcLen, s * dstLen);
        const int64_t to = std::min((d + 1) * srcLen, (s + 1) * dstLen);
        return std::max<int64_t>(0, to - from);
    };
    const auto average = [](const int64_t sums[4], int64_t total) {
        uint32_t pixel = 0;
        for (int c = 0; c < 4; ++c) {
            pixel |= uint32_t(std::min<int64_t>((sums[c] + total / 2) / total, 255)) << (8 * c);
        }
        return pixel;
    };
    std::vector<uint32_t> rows(size_t(dest.width()) * size_t(input.height()));
    for (int y = 0; y < input.height(); ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(input.constScanLine(y));
        for (int x = 0; x < dest.width(); ++x) {
            int64_t sums[4] = {};
            for (int s = 0; s < input.width(); ++s) {
                const int64_t w = axis(input.width(), dest.width(), x, s);
                for (int c = 0; c < 4; ++c) {
                    sums[c] += w * ((line[s] >> (8 * c)) & 0xFF);
                }
            }
            rows[size_t(y) * size_t(dest.width()) + size_t(x)] = average(sums, input.width());
        }
    }
    QImage result(dest, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < dest.height(); ++y) {
        for (int x = 0; x < dest.width(); ++x) {
            int64_t sums[4] = {};
            for (int t = 0; t < input.height(); ++t) {
                const int64_t w = axis(input.height(), dest.height(), y, t);
                const uint32_t pixel = rows[size_t(t) * size_t(dest.width()) + size_t(x)];
                for (int c = 0; c < 4; ++c) {
                    sums[c] += w * ((pixel >> (8 * c)) & 0xFF);
                }
            }
            reinterpret_cast<uint32_t*>(result.scanLine(y))[x] = average(sums, input.height());
        }
    }
    return result;
}

} // namespace

TEST(AreaStretch, EveryPixelIsTheRoundedAreaAverageOfWhatItCovers)
{
    std::mt19937 random(11);
    for (int round = 0; round < 60; ++round) {
        QImage source(1 + int(random() % 70), 1 + int(random() % 40), QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                // Text-like: mostly paper, some ink, some grey edges.
                const uint32_t kind = random() % 4;
                const int grey = kind == 0 ? 0 : kind == 1 ? int(random() % 256) : 255;
                source.setPixel(x, y, qRgb(grey, round % 2 ? grey : int(random() % 256), grey));
            }
        }
        const QSize dest(1 + int(random() % 150), 1 + int(random() % 90));
        const QImage expected = ReferenceStretch(source, dest);
        EXPECT_EQ(StretchAreaAveraged(source, Size{dest.width(), dest.height()}), expected)
            << source.width() << "x" << source.height() << " to " << dest.width() << "x" << dest.height();
    }
}
