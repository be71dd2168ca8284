#include "platform/DrawingContext.h"
#include "platform/DrawTextFlags.h"

#include "support/PixelTestSupport.h"

#include <QFont>
#include <gtest/gtest.h>

using namespace platform;
using pixeltest::CountColour;
using pixeltest::CountOther;
using pixeltest::InkBox;
using pixeltest::Rgb;
using pixeltest::WhiteImage;

namespace {
const QColor kRed(255, 0, 0);
constexpr QRgb kRedRgb = 0xFF0000;

QFont TestFont(int pixels)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    return font;
}
} // namespace

TEST(DrawingContext, OutlinesLieInsideTheirRectangle)
{
    QImage image = WhiteImage(30, 30);
    {
        DrawingContext dc(image);
        dc.DrawFrameRect(Rect{5, 5, 25, 25}, 3, kRed);
    }
    EXPECT_EQ(CountOther(image, QRect(0, 0, 30, 5)), 0);
    EXPECT_EQ(CountOther(image, QRect(0, 25, 30, 5)), 0);
    EXPECT_EQ(CountOther(image, QRect(0, 0, 5, 30)), 0);
    EXPECT_EQ(CountOther(image, QRect(25, 0, 5, 30)), 0);
    EXPECT_EQ(CountColour(image, QRect(5, 5, 20, 20), kRedRgb), 20 * 20 - 14 * 14);

    QImage round = WhiteImage(30, 30);
    {
        DrawingContext dc(round);
        dc.DrawFrameEllipse(Rect{5, 5, 25, 25}, 2, kRed);
        dc.DrawFrameRoundRect(Rect{0, 0, 30, 30}, Size{10, 10}, 1, kRed);
    }
    EXPECT_EQ(Rgb(round, 15, 5), kRedRgb) << "top of the ellipse";
    EXPECT_EQ(Rgb(round, 15, 15), 0xFFFFFFu) << "ellipses are not filled";
    EXPECT_EQ(Rgb(round, 0, 0), 0xFFFFFFu) << "rounded corner";
    EXPECT_EQ(Rgb(round, 15, 0), kRedRgb);
}

TEST(DrawingContext, LinesHaveExactWidthAndOmitTheirEndPoint)
{
    QImage image = WhiteImage(20, 20);
    {
        DrawingContext dc(image);
        dc.DrawLine(Point{2, 10}, Point{12, 10}, 4, kRed);
        dc.DrawLine(Point{16, 0}, Point{16, 5}, 1, kRed);
    }
    EXPECT_EQ(InkBox(image), QRect(2, 0, 15, 13));
    EXPECT_EQ(CountColour(image, QRect(2, 9, 10, 4), kRedRgb), 40) << "rows 9 to 12";
    EXPECT_EQ(CountColour(image, QRect(16, 0, 1, 20), kRedRgb), 5);
}

TEST(DrawingContext, OriginAndClipAreInLogicalCoordinates)
{
    QImage image = WhiteImage(40, 40);
    {
        DrawingContext dc(image);
        dc.SetOrigin(Point{20, 20});
        {
            ClipScope scope(dc);
            dc.IntersectClip(Rect{0, 0, 5, 5});
            EXPECT_EQ(dc.ClipBox(), (Rect{0, 0, 5, 5}));
            dc.Fill(Rect{-10, -10, 10, 10}, kRed);
        }
        EXPECT_EQ(dc.ClipBox(), (Rect{-20, -20, 20, 20})) << "the scope restored the clip";
    }
    EXPECT_EQ(InkBox(image), QRect(20, 20, 5, 5));
}

TEST(DrawingContext, RoundedClipKeepsCornersUntouched)
{
    QImage image = WhiteImage(20, 20);
    {
        DrawingContext dc(image);
        dc.IntersectClipRoundRect(Rect{0, 0, 20, 20}, Size{12, 12});
        dc.Fill(Rect{0, 0, 20, 20}, kRed);
    }
    EXPECT_EQ(Rgb(image, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(Rgb(image, 19, 19), 0xFFFFFFu);
    EXPECT_EQ(Rgb(image, 10, 10), kRedRgb);
    EXPECT_EQ(Rgb(image, 10, 0), kRedRgb);
}

TEST(DrawingContext, GradientRunsFromFirstToLastColourInBands)
{
    QImage image = WhiteImage(4, 64);
    {
        DrawingContext dc(image);
        dc.FillVerticalGradient(Rect{0, 0, 4, 64}, QColor(0, 0, 0), QColor(240, 120, 60), 16);
    }
    EXPECT_EQ(Rgb(image, 0, 0), 0u);
    EXPECT_EQ(Rgb(image, 0, 63), 0xF0783Cu);
    int bands = 1;
    for (int y = 1; y < 64; ++y) {
        ASSERT_GE(qRed(image.pixel(0, y)), qRed(image.pixel(0, y - 1))) << "brightening downwards";
        bands += image.pixel(0, y) != image.pixel(0, y - 1) ? 1 : 0;
    }
    EXPECT_EQ(bands, 16);
}

TEST(DrawingContext, BlendingHonoursAlphaWhileFillingIgnoresIt)
{
    QImage image = WhiteImage(3, 1);
    {
        DrawingContext dc(image);
        dc.Blend(Rect{0, 0, 1, 1}, QColor::fromRgba(0x00FF0000));
        dc.Blend(Rect{1, 0, 2, 1}, QColor::fromRgba(0x80000000));
        dc.Fill(Rect{2, 0, 3, 1}, QColor::fromRgba(0x000000FF));
    }
    EXPECT_EQ(Rgb(image, 0, 0), 0xFFFFFFu);
    EXPECT_NEAR(qRed(image.pixel(1, 0)), 127, 2);
    EXPECT_EQ(Rgb(image, 2, 0), 0x0000FFu);
}

TEST(DrawingContext, WhiteKeyedDrawingLeavesTheTargetWhereTheSourceIsWhite)
{
    QImage target(3, 1, QImage::Format_ARGB32_Premultiplied);
    target.fill(kRed);
    QImage source(3, 1, QImage::Format_ARGB32_Premultiplied);
    source.setPixel(0, 0, qRgb(255, 255, 255));
    source.setPixel(1, 0, qRgb(254, 255, 255));
    source.setPixel(2, 0, qRgb(0, 0, 0));
    {
        DrawingContext dc(target);
        dc.DrawWhiteKeyed(Point{0, 0}, source);
    }
    EXPECT_EQ(Rgb(target, 0, 0), kRedRgb);
    EXPECT_EQ(Rgb(target, 1, 0), 0xFEFFFFu) << "near-white is not the key";
    EXPECT_EQ(Rgb(target, 2, 0), 0u);
}

TEST(DrawingContext, TextAlignmentFlagsPlaceTheInk)
{
    const QFont font = TestFont(20);
    const Rect box{0, 0, 200, 60};
    auto inkOf = [&](uint32_t flags) {
        QImage image = WhiteImage(200, 60);
        {
            DrawingContext dc(image);
            dc.DrawText(box, QStringLiteral("Ticket"), font, Qt::black, flags | DT_NOPREFIX);
        }
        return InkBox(image);
    };
    const QRect left = inkOf(DT_SINGLELINE);
    const QRect centre = inkOf(DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const QRect right = inkOf(DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    ASSERT_FALSE(left.isNull());
    EXPECT_LT(left.left(), 10);
    EXPECT_LT(left.top(), 20);
    EXPECT_NEAR(centre.center().x(), 100, 6);
    EXPECT_NEAR(centre.center().y(), 30, 6);
    EXPECT_GT(right.right(), 185);
    EXPECT_GT(right.bottom(), 45);
    // Vertical placement needs a single line; otherwise text starts on top.
    EXPECT_LT(inkOf(DT_VCENTER).top(), 20);
}

TEST(DrawingContext, WordBreakWrapsAndTextIsClippedToItsRectangle)
{
    const QFont font = TestFont(16);
    const QString text = QStringLiteral("one two three four five six");
    QImage single = WhiteImage(200, 200);
    QImage wrapped = WhiteImage(200, 200);
    {
        DrawingContext dc(single);
        dc.DrawText(Rect{0, 0, 60, 200}, text, font, Qt::black, DT_SINGLELINE);
    }
    {
        DrawingContext dc(wrapped);
        dc.DrawText(Rect{0, 0, 60, 200}, text, font, Qt::black, DT_WORDBREAK);
    }
    EXPECT_LE(InkBox(single).right(), 59);
    EXPECT_LT(InkBox(single).height(), 25);
    EXPECT_GT(InkBox(wrapped).height(), 50) << "several lines";
}

TEST(DrawingContext, EndEllipsisShortensTextThatDoesNotFit)
{
    const QFont font = TestFont(16);
    QImage cut = WhiteImage(80, 30);
    QImage elided = WhiteImage(80, 30);
    const QString text = QStringLiteral("WWWWWWWWWWWWWWWW");
    {
        DrawingContext dc(cut);
        dc.DrawText(Rect{0, 0, 80, 30}, text, font, Qt::black, DT_SINGLELINE);
    }
    {
        DrawingContext dc(elided);
        dc.DrawText(Rect{0, 0, 80, 30}, text, font, Qt::black, DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    EXPECT_NE(cut, elided);
    EXPECT_LT(InkBox(elided).right(), 79) << "the dots end inside the box";
}

TEST(DrawingContext, CopiedAreasGoBackUnchanged)
{
    QImage image = WhiteImage(10, 10);
    image.setPixel(3, 4, qRgb(1, 2, 3));
    QImage copy;
    {
        DrawingContext dc(image);
        dc.SetOrigin(Point{2, 2});
        copy = dc.CopyArea(Rect{0, 0, 4, 4});
        ASSERT_EQ(copy.size(), QSize(4, 4));
        EXPECT_EQ(Rgb(copy, 1, 2), 0x010203u);
        copy.fill(Qt::black);
        dc.CopyImage(Point{0, 0}, copy);
    }
    EXPECT_EQ(InkBox(image), QRect(2, 2, 4, 4));
}

TEST(DrawingContext, ScopesGiveBackTheClipTheyFoundAtAnyDepth)
{
    const QColor blue(0, 0, 255);
    const QColor green(0, 255, 0);
    QImage image = WhiteImage(30, 30);
    {
        DrawingContext dc(image);
        const Rect whole{0, 0, 30, 30};
        ClipScope outer(dc);
        {
            ClipScope clipped(dc);
            dc.IntersectClip(Rect{0, 0, 10, 10});
            {
                ClipScope untouched(dc);
            }
            dc.Fill(whole, kRed);
        }
        dc.IntersectClip(Rect{20, 20, 30, 30});
        {
            ClipScope narrower(dc);
            dc.IntersectClip(Rect{0, 0, 25, 25});
            dc.Fill(whole, blue);
        }
        dc.Fill(Rect{0, 0, 30, 22}, green);
        EXPECT_EQ(dc.ClipBox(), (Rect{20, 20, 30, 30}));
    }
    EXPECT_EQ(CountColour(image, image.rect(), kRedRgb), 100);
    EXPECT_EQ(CountColour(image, image.rect(), 0x0000FF), 5 * 3) << "rows 22 to 24 of the narrower clip";
    EXPECT_EQ(CountColour(image, image.rect(), 0x00FF00), 2 * 10);
}
