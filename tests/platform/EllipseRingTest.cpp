#include "platform/DrawingContext.h"
#include "platform/EllipseRingCache.h"

#include <QPainter>
#include <QPainterPath>
#include <gtest/gtest.h>

#include <random>

using namespace platform;

namespace {

constexpr int kClipCorner = 40;

// What filling the ring's path where it stands gives, the way circles were
// always drawn.
void FillRingWhereItStands(QImage& image, const Rect& rect, int border, QColor color, QPoint origin,
                           const QRect& clip, bool roundedClip)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
    if (roundedClip) {
        QPainterPath rounded;
        rounded.addRoundedRect(QRectF(clip), kClipCorner / 2.0, kClipCorner / 2.0);
        painter.setClipPath(rounded);
    } else if (!clip.isNull()) {
        painter.setClipRect(clip);
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addEllipse(QRectF(rect.left, rect.top, rect.Width(), rect.Height()));
    if (rect.Width() > 2 * border && rect.Height() > 2 * border) {
        path.addEllipse(QRectF(rect.left + border, rect.top + border, rect.Width() - 2 * border,
                               rect.Height() - 2 * border));
    }
    painter.fillPath(path, color);
}

} // namespace

TEST(EllipseRing, HeldRingsPaintTheSamePixelsAsFillingThePathAnywhere)
{
    std::mt19937 random(7);
    const QColor colours[] = {QColor(0, 0, 0), QColor(200, 30, 90), QColor::fromRgbF(0.3f, 0.61f, 0.07f)};
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        for (int round = 0; round < 400; ++round) {
            const int width = 1 + int(random() % (round % 10 == 0 ? 400 : 90));
            const int height = 1 + int(random() % (round % 10 == 0 ? 400 : 90));
            const int border = 1 + int(random() % 8) + (round % 37 == 0 ? 60 : 0);
            const Rect rect{int(random() % 700) - 20, int(random() % 500) - 20, 0, 0};
            const Rect box{rect.left, rect.top, rect.left + width, rect.top + height};
            const QPoint origin(int(random() % 5), int(random() % 5));
            const QRect clip =
                round % 3 == 0 ? QRect(int(random() % 600), int(random() % 400), 150, 120) : QRect();
            const QColor colour = colours[round % 3];
            const bool roundedClip = round % 3 == 0 && round % 2 == 0;

            QImage expected(720, 520, format);
            expected.fill(Qt::white);
            QImage firstSight = expected;
            FillRingWhereItStands(expected, box, border, colour, origin, clip, roundedClip);
            // The first drawing of a shape fills it directly, the next ones
            // copy the held image; both must give the path's pixels.
            QImage held = firstSight;
            for (QImage* actual : {&firstSight, &held}) {
                DrawingContext dc(*actual);
                dc.SetOrigin(Point{origin.x(), origin.y()});
                const Rect clipRect{clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1};
                if (roundedClip) {
                    dc.IntersectClipRoundRect(clipRect, Size{kClipCorner, kClipCorner});
                } else if (!clip.isNull()) {
                    dc.IntersectClip(clipRect);
                }
                dc.DrawFrameEllipse(box, border, colour);
            }
            ASSERT_EQ(firstSight, expected) << "filled directly";
            ASSERT_EQ(held, expected) << width << "x" << height << " border " << border << " at " << box.left
                                      << "," << box.top << " format " << format;
        }
    }
}

TEST(EllipseRing, RingsAreHeldFromTheirSecondDrawingAndHugeOnesNever)
{
    EXPECT_EQ(EllipseRingRuns(40, 30, 3), nullptr) << "a shape seen once";
    const RingRuns* ring = EllipseRingRuns(40, 30, 3);
    ASSERT_NE(ring, nullptr);
    // Top row: one run across the middle; middle row: the two sides only.
    ASSERT_FALSE(ring->empty());
    EXPECT_EQ(ring->front().y, 0);
    EXPECT_LT(ring->front().left, 20);
    EXPECT_GT(ring->front().right, 20);
    int middleRuns = 0;
    for (const RingRun& run : *ring) {
        if (run.y == 15) {
            ++middleRuns;
            EXPECT_TRUE(run.right <= 20 || run.left > 20) << "the inside is left untouched";
        }
    }
    EXPECT_EQ(middleRuns, 2);
    EXPECT_EQ(EllipseRingRuns(40, 30, 3), ring);
    EXPECT_EQ(EllipseRingRuns(40, 30, 4), nullptr) << "another border is another shape";

    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(EllipseRingRuns(4000, 4000, 1), nullptr);
        EXPECT_EQ(EllipseRingRuns(2, 500000, 1), nullptr) << "a tall, thin box holds runs for every row";
        EXPECT_EQ(EllipseRingRuns(0, 10, 1), nullptr);
    }
    // A page of huge circles still draws, directly.
    QImage page(50, 50, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        DrawingContext dc(page);
        dc.DrawFrameEllipse(Rect{-3000, -10, 3050, 5000}, 20, QColor(0, 0, 0));
    }
    EXPECT_EQ(page.pixel(0, 0), qRgb(0, 0, 0));
}
