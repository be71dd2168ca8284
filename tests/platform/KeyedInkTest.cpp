// Keyed ink is drawn by copying pixels instead of through Qt's blend; the
// page must come out exactly as the blend made it, under every clip.
#include "platform/KeyedInk.h"
#include "platform/DrawingContext.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <random>

using namespace platform;

namespace {

// White paper with text-like greys, and now and then a colour or a
// translucent pixel (which keying makes opaque).
QImage PaperWithInk(int width, int height, bool colours, std::mt19937& random)
{
    std::uniform_int_distribution<int> any(0, 255);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int pick = any(random) % 8;
            const int v = any(random);
            if (pick < 3) {
                image.setPixel(x, y, qRgb(v, v, v));
            } else if (pick == 3 && colours) {
                image.setPixel(x, y, qPremultiply(qRgba(v, any(random), any(random), any(random))));
            } else if (pick == 4) {
                image.setPixel(x, y, qRgb(254, 254, 254));
            }
        }
    }
    return image;
}

QImage Page(int width, int height, QImage::Format format, std::mt19937& random)
{
    std::uniform_int_distribution<int> any(0, 255);
    QImage page(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            page.setPixel(x, y, qRgb(any(random), any(random), any(random)));
        }
    }
    return page.convertToFormat(format);
}

enum class Clip
{
    None,
    Rect,
    Nested,
    Empty,
    Rounded,
};

void SetClip(DrawingContext& dc, Clip clip, const Rect& rect)
{
    switch (clip) {
    case Clip::None:
        break;
    case Clip::Rect:
        dc.IntersectClip(rect);
        break;
    case Clip::Nested:
        dc.IntersectClip(rect);
        dc.IntersectClip(Rect{rect.left + 3, rect.top - 4, rect.right + 5, rect.bottom - 2});
        break;
    case Clip::Empty:
        dc.IntersectClip(Rect{});
        break;
    case Clip::Rounded:
        dc.IntersectClipRoundRect(rect, Size{14, 10});
        break;
    }
}

} // namespace

TEST(KeyedInk, CropIsTheKeyedImageCutToItsInk)
{
    std::mt19937 random(7);
    for (const bool colours : {false, true}) {
        for (const QImage::Format format :
             {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32, QImage::Format_ARGB32}) {
            QImage image = PaperWithInk(37, 23, colours, random);
            // A white border round the ink, so that the crop has to cut.
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, 0, qRgb(255, 255, 255));
                image.setPixel(x, image.height() - 1, qRgb(255, 255, 255));
            }
            image = image.convertToFormat(format);
            const InkCrop crop = CropKeyedInk(image);
            ASSERT_FALSE(crop.ink.isNull());
            EXPECT_EQ(crop.at.y, 1);
            const QRect bounds(crop.at.x, crop.at.y, crop.ink.width(), crop.ink.height());
            const QImage keyed = KeyOutWhite(image);
            EXPECT_EQ(KeyedInkAsArgb(crop.ink), keyed.copy(bounds)) << "format " << format;
            // Nothing is left out: the keyed image is clear outside the crop.
            QImage outside = keyed;
            {
                QPainter clear(&outside);
                clear.setCompositionMode(QPainter::CompositionMode_Source);
                clear.fillRect(bounds, Qt::transparent);
            }
            QImage empty(keyed.size(), keyed.format());
            empty.fill(0u);
            EXPECT_EQ(outside, empty);
            // Grey text is held a byte a pixel; anything coloured keeps 32 bits.
            EXPECT_EQ(crop.ink.format(),
                      colours ? QImage::Format_ARGB32_Premultiplied : QImage::Format_Grayscale8);
        }
    }
    QImage blank(9, 9, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_TRUE(CropKeyedInk(blank).ink.isNull()) << "white paper has no ink";
    EXPECT_TRUE(CropKeyedInk(QImage()).ink.isNull());
}

TEST(KeyedInk, CopiedInkGivesThePageBlendingGives)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> offset(-30, 50);
    int cases = 0;
    for (const QImage::Format target :
         {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
        for (const bool colours : {false, true}) {
            for (const Clip clip : {Clip::None, Clip::Rect, Clip::Nested, Clip::Empty, Clip::Rounded}) {
                for (int round = 0; round < 6; ++round) {
                    const InkCrop crop =
                        CropKeyedInk(PaperWithInk(29 + round * 7, 17 + round, colours, random));
                    ASSERT_FALSE(crop.ink.isNull());
                    const QImage page = Page(64, 48, target, random);
                    const Point origin{offset(random) / 3, offset(random) / 3};
                    const Point at{offset(random), offset(random)};
                    const Rect clipRect{offset(random), offset(random), offset(random) + 40,
                                        offset(random) + 40};

                    QImage copied = page;
                    QImage blended = page;
                    for (QImage* image : {&copied, &blended}) {
                        DrawingContext dc(*image);
                        dc.SetOrigin(origin);
                        ClipScope scope(dc);
                        SetClip(dc, clip, clipRect);
                        if (image == &copied) {
                            dc.DrawKeyedInk(at, crop.ink);
                        } else {
                            dc.DrawImage(at, KeyedInkAsArgb(crop.ink));
                        }
                    }
                    ASSERT_EQ(copied, blended)
                        << "target " << target << ", clip " << int(clip) << ", round " << round;
                    ++cases;
                }
            }
        }
    }
    EXPECT_EQ(cases, 180);
}

TEST(KeyedInk, InkDrawnAfterAScopeEndsIsClippedAsBeforeIt)
{
    QImage ink(10, 10, QImage::Format_Grayscale8);
    ink.fill(0);
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        DrawingContext dc(image);
        dc.IntersectClip(Rect{0, 0, 20, 20});
        {
            ClipScope outer(dc);
            {
                ClipScope inner(dc);
                dc.IntersectClip(Rect{0, 0, 2, 2});
            }
            dc.DrawKeyedInk(Point{15, 15}, ink);
        }
        dc.DrawKeyedInk(Point{-5, 15}, ink);
    }
    int black = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            black += image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(black, 25 + 25) << "two 5 x 5 corners inside the outer clip";
    EXPECT_EQ(image.pixel(19, 19), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 255));
}
