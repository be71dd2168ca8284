// The row-reading packers must give exactly the bits of packing dot by dot
// through QImage::pixel, the way the printer's bitmaps were first made.
#include "device/GlyphRaster.h"
#include "device/PageRaster.h"
#include "platform/Luminance.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using device::PackedImage;

template <typename InkRule> PackedImage PackedDotByDot(const QImage& image, InkRule isInk)
{
    PackedImage packed = PackedImage::Blank(image.width(), image.height());
    for (int y = 0; y < packed.height; ++y) {
        for (int x = 0; x < packed.width; ++x) {
            packed.SetDot(x, y, isInk(image.pixel(x, y)));
        }
    }
    return packed;
}

// Random colours crowded around the ink thresholds (mid-grey, pure white)
// plus greys and translucent pixels, in widths that do and do not fill the last byte.
QImage NoisyImage(int width, int height, QImage::Format format, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> near(120, 136);
    std::uniform_int_distribution<int> any(0, 255);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int pick = any(random) % 6;
            const int v = pick == 0 || pick == 4 ? near(random) : pick == 1 ? 255 : any(random);
            if (pick >= 4) {
                // Greys, the bulk of a page, opaque and now and then not.
                image.setPixel(x, y, qRgba(v, v, v, pick == 5 && v % 3 == 0 ? any(random) : 255));
                continue;
            }
            image.setPixel(x, y, qRgba(v, pick == 2 ? 255 : v, any(random), pick == 3 ? any(random) : 255));
        }
    }
    return image.convertToFormat(format);
}

TEST(DotPackingTest, PageAndGlyphBitsMatchPackingDotByDotInEveryFormat)
{
    const auto pageInk = [](QRgb pixel) { return platform::IsInk(pixel); };
    const auto glyphInk = [](QRgb pixel) {
        return qRed(pixel) != 255 || qGreen(pixel) != 255 || qBlue(pixel) != 255;
    };
    unsigned seed = 1;
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
          QImage::Format_RGB888, QImage::Format_Grayscale8}) {
        for (const int width : {1, 7, 8, 9, 64, 203}) {
            const QImage image = NoisyImage(width, 5, format, seed++);
            EXPECT_EQ(device::PackImageBits(image), PackedDotByDot(image, pageInk))
                << "format " << format << ", width " << width;
            EXPECT_EQ(device::PackGlyphBits(image), PackedDotByDot(image, glyphInk))
                << "format " << format << ", width " << width;
        }
    }
    EXPECT_TRUE(device::PackImageBits(QImage()).bits.empty());
}

} // namespace
