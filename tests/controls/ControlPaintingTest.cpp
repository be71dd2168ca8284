#include "controls/ControlUI.h"
#include "controls/PaintManagerUI.h"
#include "platform/DrawingContext.h"

#include "support/PixelTestSupport.h"

#include <gtest/gtest.h>

using namespace MarkupUI;
using pixeltest::CountColour;
using pixeltest::CountOther;
using pixeltest::InkBox;
using pixeltest::Rgb;
using pixeltest::WhiteImage;
using platform::Rect;

namespace {
// A plain control at (10, 10, 50, 40) painted onto a white 60 x 60 surface.
class BasePaintSteps : public ::testing::Test
{
protected:
    void SetUp() override
    {
        control.SetManager(&manager, nullptr, false);
        control.SetPos(Rect{10, 10, 50, 40});
    }
    QImage Paint(const Rect& paint = Rect{0, 0, 60, 60})
    {
        QImage image = WhiteImage(60, 60);
        platform::DrawingContext dc(image);
        control.DoPaint(dc, paint);
        return image;
    }
    CPaintManagerUI manager;
    CControlUI control;
};
} // namespace

TEST_F(BasePaintSteps, BackgroundColourFillsOnlyThePaintedPartAndAlphaZeroIsInvisible)
{
    control.SetAttribute("bkcolor", "#FFFF0000");
    EXPECT_EQ(InkBox(Paint()), QRect(10, 10, 40, 30));
    EXPECT_EQ(InkBox(Paint(Rect{0, 0, 20, 20})), QRect(10, 10, 10, 10));
    EXPECT_EQ(control.GetPaintRect(), (Rect{10, 10, 20, 20}));

    control.SetAttribute("bkcolor", "#00FF0000");
    EXPECT_EQ(CountOther(Paint(), QRect(0, 0, 60, 60)), 0);
    EXPECT_EQ(CountOther(Paint(Rect{50, 50, 60, 60}), QRect(0, 0, 60, 60)), 0) << "paint misses the control";
}

TEST_F(BasePaintSteps, SecondAndThirdColoursMakeGradients)
{
    control.SetAttribute("bkcolor", "#FF000000");
    control.SetAttribute("bkcolor2", "#FFFFFFFF");
    QImage two = Paint();
    EXPECT_EQ(Rgb(two, 20, 10), 0u);
    EXPECT_EQ(Rgb(two, 20, 39), 0xFFFFFFu);

    control.SetAttribute("bkcolor3", "#FF000000");
    QImage three = Paint();
    EXPECT_EQ(Rgb(three, 20, 10), 0u);
    EXPECT_GT(qRed(three.pixel(20, 24)), 200) << "bright in the middle";
    EXPECT_EQ(Rgb(three, 20, 39), 0u);
}

TEST_F(BasePaintSteps, BordersAreDrawnInsideThePosition)
{
    control.SetAttribute("bordercolor", "#FF0000FF");
    control.SetAttribute("bordersize", "2");
    QImage frame = Paint();
    EXPECT_EQ(InkBox(frame), QRect(10, 10, 40, 30));
    EXPECT_EQ(CountColour(frame, frame.rect(), 0x0000FF), 40 * 30 - 36 * 26);

    control.SetAttribute("leftbordersize", "3");
    QImage left = Paint();
    EXPECT_EQ(InkBox(left), QRect(10, 10, 3, 30)) << "side sizes replace the frame";
}

TEST_F(BasePaintSteps, RoundedBordersClipTheBackground)
{
    control.SetAttribute("bkcolor", "#FF00FF00");
    control.SetAttribute("borderround", "16,16");
    control.SetAttribute("bordercolor", "#FF0000FF");
    control.SetAttribute("bordersize", "1");
    QImage image = Paint();
    EXPECT_EQ(Rgb(image, 10, 10), 0xFFFFFFu) << "corner outside the rounding";
    EXPECT_EQ(Rgb(image, 30, 25), 0x00FF00u);
    EXPECT_EQ(Rgb(image, 30, 10), 0x0000FFu);
}

TEST_F(BasePaintSteps, AMissingBackgroundImageKeepsItsString)
{
    control.SetAttribute("bkimage", "file='nowhere.png'");
    EXPECT_EQ(CountOther(Paint(), QRect(0, 0, 60, 60)), 0);
    EXPECT_EQ(control.GetBkImage(), QStringLiteral("file='nowhere.png'"));
}

TEST_F(BasePaintSteps, StaticPaintingDrawsNothingForPlainControls)
{
    control.SetAttribute("bkcolor", "#FFFF0000");
    QImage image = WhiteImage(60, 60);
    {
        platform::DrawingContext dc(image);
        control.DoPaintStatic(dc, Rect{0, 0, 60, 60});
    }
    EXPECT_EQ(CountOther(image, image.rect()), 0);
}
