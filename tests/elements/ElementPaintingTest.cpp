#include "controls/ResourceArchive.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "platform/DrawingContext.h"

#include "ElementTestForm.h"
#include "support/MapArchive.h"
#include "support/PixelTestSupport.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <map>
#include <utility>

using namespace MarkupUI;
using pixeltest::CountColour;
using pixeltest::CountOther;
using pixeltest::InkBox;
using pixeltest::Rgb;
using pixeltest::WhiteImage;
using platform::Rect;

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kGreen = 0x00FF00;
constexpr QRgb kBlue = 0x0000FF;

// A form whose view units are printer dots (see AttachedForm), painted onto
// an image of its size filled with the caller's colour.
class PaintedForm : public elementtest::SampleNumbersReset
{
protected:
    CControlUI* Add(int kind, int x, int y, int width, int height)
    {
        ControlPtr element = CreateElement(kind, Rect{x, y, x + width, y + height});
        page.form->Add(element.get());
        page.form->SetPos(page.form->GetPos());
        return element.get();
    }

    QImage Paint(bool staticOnly = false, QRgb background = kWhite, Rect paint = Rect{0, 0, 290, 500})
    {
        QImage image(290, 500, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor::fromRgb(background));
        return elementtest::PaintForm(*page.form, std::move(image), staticOnly, paint);
    }

    elementtest::AttachedForm page;
};

using testsupport::MapArchive;

} // namespace

TEST_F(PaintedForm, LinesAndFramesHaveTheirWidthInsideTheirElement)
{
    CControlUI* line = Add(kElementHorizontalLine, 10, 10, 100, 5);
    line->SetAttribute("bordersize", "3");
    QImage image = Paint();
    EXPECT_EQ(InkBox(image), QRect(10, 11, 100, 3)) << "through y = 12, from x = 10 to 109";
    page.form->Remove(line);

    CControlUI* rect = Add(kElementRectangle, 150, 10, 20, 20);
    rect->SetAttribute("bordersize", "4");
    CControlUI* vertical = Add(kElementVerticalLine, 200, 100, 10, 50);
    vertical->SetAttribute("bordersize", "2");
    image = Paint();
    EXPECT_EQ(CountOther(image, QRect(150, 10, 20, 20)), 20 * 20 - 12 * 12);
    EXPECT_EQ(Rgb(image, 154, 14), kWhite) << "not filled";
    EXPECT_EQ(CountOther(image, QRect(200, 100, 10, 50)), 2 * 50);
    EXPECT_EQ(CountOther(image, image.rect()), 20 * 20 - 12 * 12 + 2 * 50) << "nothing outside the shapes";
}

TEST_F(PaintedForm, ShapesUseTheirBorderColourAndSizeZeroIsInvisible)
{
    CControlUI* circle = Add(kElementCircle, 20, 100, 100, 60);
    circle->SetAttribute("bordercolor", "#FF0000FF");
    circle->SetAttribute("bordersize", "3");
    CControlUI* rect = Add(kElementRectangle, 150, 100, 100, 60);
    rect->SetAttribute("bordercolor", "#FF0000FF");
    CControlUI* hidden = Add(kElementRectangle, 20, 300, 100, 60);
    hidden->SetAttribute("bordersize", "0");
    QImage image = Paint();
    const int circleInk = CountOther(image, QRect(20, 100, 100, 60));
    EXPECT_GT(circleInk, 300);
    EXPECT_EQ(CountColour(image, QRect(20, 100, 100, 60), kBlue), circleInk) << "blue, nothing else";
    EXPECT_EQ(Rgb(image, 70, 130), kWhite);
    EXPECT_EQ(CountColour(image, QRect(150, 100, 100, 60), kBlue), 2 * 100 + 2 * 58);
    EXPECT_EQ(CountOther(image, QRect(0, 250, 290, 250)), 0);
}

TEST_F(PaintedForm, MarginsKeepWhatTheCallerDrewInBothEntries)
{
    page.form->SetPrintPadding(Rect{5, 10, 5, 10});
    page.form->SetSize(290, 500);
    const Rect margins = page.form->GetMargins();
    ASSERT_EQ(margins.left, 25);
    CControlUI* block = Add(kElementRectangle, 0, 200, 60, 40);
    block->SetAttribute("bordersize", "30"); // a solid block half in the left margin
    for (bool staticOnly : {false, true}) {
        QImage image = Paint(staticOnly, kGreen);
        EXPECT_EQ(CountColour(image, QRect(0, 0, 25, 500), kGreen), 25 * 500) << staticOnly;
        EXPECT_EQ(CountColour(image, QRect(25, 200, 35, 40), 0), 35 * 40) << staticOnly;
        EXPECT_EQ(CountOther(image, QRect(0, 0, 290, margins.top), kGreen), 0) << staticOnly;
        EXPECT_EQ(CountOther(image, image.rect(), kGreen), 35 * 40) << staticOnly;
    }
}

TEST_F(PaintedForm, TextLeavesShapesBeneathItVisible)
{
    CControlUI* bar = Add(kElementHorizontalLine, 0, 200, 290, 40);
    bar->SetAttribute("bordersize", "40");
    bar->SetAttribute("bordercolor", "#FFFF0000");
    CControlUI* text = Add(kElementText, 20, 200, 250, 40);
    text->SetText(QStringLiteral("A1"));
    QImage image = Paint();
    const QRect box(20, 200, 250, 40);
    const int red = CountColour(image, box, kRed);
    EXPECT_GT(red, 250 * 40 / 4) << "the white around the glyphs is transparent";
    EXPECT_LT(red, 250 * 40) << "the glyphs are drawn";
    EXPECT_GT(CountColour(image, box, 0), 0);
}

TEST_F(PaintedForm, TextFillsItsDisplaySizeFromTheTopLeftCorner)
{
    CControlUI* text = Add(kElementText, 20, 20, 250, 50);
    text->SetText(QStringLiteral("HXH"));
    text->SetAttribute("align", "right");
    const QRect ink = InkBox(Paint());
    ASSERT_FALSE(ink.isNull());
    EXPECT_TRUE(QRect(20, 20, 250, 50).contains(ink));
    EXPECT_LT(ink.left(), 20 + 30) << "right alignment does not move the stretched text";
    EXPECT_GT(ink.right(), 20 + 250 - 30);

    // A number's display size is limited: its text stays in the box's
    // upper-left part (100 x 250 for 4 digits gives 202 x 80).
    page.form->Remove(text);
    CControlUI* number = Add(kElementQueuingNum, 20, 300, 250, 100);
    const QRect numberInk = InkBox(Paint());
    ASSERT_FALSE(numberInk.isNull());
    EXPECT_TRUE(QRect(20, 300, 202, 80).contains(numberInk))
        << numberInk.right() << "," << numberInk.bottom();
    EXPECT_GT(numberInk.right(), 20 + 202 - 30);
    EXPECT_EQ(number->GetText().size(), 4);
}

TEST_F(PaintedForm, DynamicFieldsAreLeftOutOfThePageImage)
{
    Add(kElementQueuingNum, 20, 20, 200, 60);
    Add(kElementTime, 20, 100, 250, 40);
    Add(kElementWaitingCount, 20, 160, 100, 40);
    Add(kElementCurrentNum, 20, 220, 100, 40);
    EXPECT_EQ(CountOther(Paint(true), QRect(0, 0, 290, 500)), 0);
    const QImage design = Paint();
    for (const QRect& box : {QRect(20, 20, 200, 60), QRect(20, 100, 250, 40), QRect(20, 160, 100, 40),
                             QRect(20, 220, 100, 40)}) {
        EXPECT_GT(CountOther(design, box), 0);
    }

    CControlUI* text = Add(kElementText, 20, 300, 200, 40);
    text->SetText(QStringLiteral("Welcome"));
    Add(kElementRectangle, 20, 400, 50, 50);
    const QImage page = Paint(true);
    EXPECT_GT(CountOther(page, QRect(20, 300, 200, 40)), 0);
    EXPECT_GT(CountOther(page, QRect(20, 400, 50, 50)), 0);
    EXPECT_EQ(CountOther(page, QRect(0, 0, 290, 300)), 0);
}

TEST_F(PaintedForm, PicturesDrawArchiveImagesAndKeepAMissingOnesString)
{
    auto archive = std::make_shared<MapArchive>();
    QImage red(2, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "PNG");
    archive->entries["logo.png"] = buffer.data();
    CPaintManagerUI::SetResourceZip(archive, QStringLiteral("membuffer"));

    CControlUI* logo = Add(kElementPicture, 10, 10, 40, 30);
    logo->SetAttribute("bkimage", "logo.png");
    CControlUI* missing = Add(kElementPicture, 100, 10, 40, 30);
    missing->SetAttribute("bkimage", "file='gone.png'");
    for (bool staticOnly : {false, true}) {
        const QImage image = Paint(staticOnly);
        EXPECT_EQ(CountColour(image, QRect(10, 10, 40, 30), kRed), 40 * 30);
        EXPECT_EQ(CountOther(image, image.rect()), 40 * 30) << "the missing image draws nothing";
    }
    EXPECT_EQ(missing->GetBkImage(), QStringLiteral("file='gone.png'"));
    CPaintManagerUI::SetResourceZip(nullptr, QString());
}

TEST_F(PaintedForm, PartialRepaintsMatchTheWholePageAndTouchNothingElse)
{
    CControlUI* text = Add(kElementText, 20, 20, 250, 60);
    text->SetText(QStringLiteral("Queue 42"));
    Add(kElementCircle, 100, 150, 100, 100);
    const QImage whole = Paint();
    const Rect part{50, 40, 160, 200};
    const QRect area(50, 40, 110, 160);
    EXPECT_EQ(Paint(false, kWhite, part).copy(area), whole.copy(area));
    const QImage partial = Paint(false, kGreen, part);
    EXPECT_GT(CountOther(partial, area, kGreen), 0);
    EXPECT_EQ(CountOther(partial, partial.rect(), kGreen), CountOther(partial, area, kGreen));
    EXPECT_EQ(Paint(), whole) << "repainting gives the same pixels";
    text->SetText(QStringLiteral("Queue 43"));
    EXPECT_NE(Paint(), whole) << "a changed text is drawn anew";
    text->SetText(QStringLiteral("Queue 42"));
    text->SetAttribute("font", "name='Arial' height='-40' bold='true'");
    EXPECT_NE(Paint(), whole) << "so is a changed font";
}

TEST_F(PaintedForm, ASmallerTargetWithAnOriginGetsTheSamePixels)
{
    CControlUI* text = Add(kElementText, 20, 20, 250, 60);
    text->SetText(QStringLiteral("Queue 42"));
    Add(kElementCircle, 100, 150, 100, 100);
    const QImage whole = Paint();
    // A view scrolled to (90, 140), with its page origin 20 units in.
    QImage view = WhiteImage(120, 100);
    {
        platform::DrawingContext dc(view);
        dc.SetOrigin(platform::Point{20 - 90, 20 - 140});
        page.form->DoPaint(dc, Rect{0, 0, 290, 500});
    }
    EXPECT_EQ(view.copy(20, 20, 100, 80), whole.copy(90, 140, 100, 80));
    EXPECT_EQ(CountOther(view, QRect(0, 0, 120, 20)), 0);
}

TEST_F(PaintedForm, ExtremeGeometryFromAFileStaysOnThePage)
{
    constexpr int kHuge = 2147483647;
    auto place = [&](int kind, int x, int y) {
        ControlPtr element = CreateElement(kind, Rect{0, 0, 10, 10});
        page.form->Add(element.get());
        element->SetFixedXY(platform::Size{x, y});
        element->SetFixedWidth(kHuge);
        element->SetFixedHeight(kHuge);
        return element.get();
    };
    place(kElementRectangle, -2000000000, 100)->SetAttribute("bordersize", "2147483647");
    place(kElementCircle, -1000000000, -1000000000)->SetAttribute("bordersize", "7");
    place(kElementHorizontalLine, 10, 490)->SetAttribute("bordersize", "2147483647");
    place(kElementText, 2000000000, 2000000000)->SetText(QStringLiteral("far away"));
    CControlUI* text = place(kElementText, 0, 0);
    text->SetText(QStringLiteral("everywhere"));
    text->SetAttribute("font", "name='Arial' height='-30000'");
    place(kElementPicture, 0, 0)
        ->SetAttribute("bkimage", "file='x.png' corner='-5,99999999,3,3' xtiled='true'");
    page.form->SetPos(page.form->GetPos());

    const QImage image = Paint();
    EXPECT_EQ(image.size(), QSize(290, 500));
    EXPECT_GT(CountOther(image, QRect(0, 100, 290, 400)), 0) << "the huge rectangle's stroke covers the page";
}

TEST_F(PaintedForm, HiddenElementsAreNotPainted)
{
    CControlUI* rect = Add(kElementRectangle, 20, 20, 50, 50);
    rect->SetVisible(false);
    EXPECT_EQ(CountOther(Paint(), QRect(0, 0, 290, 500)), 0);
}
