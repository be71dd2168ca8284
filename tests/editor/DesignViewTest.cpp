// What the design view paints: rulers, labels, margins, grid, guides and
// markers, checked by the pixels of fills, lines and positions.
#include "ViewTestSupport.h"

#include "editor/PagePainting.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace editor::test {
namespace {

using platform::Rect;
using platform::Size;

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kShade = kMarginShade;
constexpr QRgb kBackground = kViewBackground;

// Dark pixels in a viewport rectangle: where text was written.
int DarkPixels(const QImage& image, const QRect& rect)
{
    int dark = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            dark += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
        }
    }
    return dark;
}

TEST(DesignView, ANewTemplateShowsItsFiftyEightMillimetrePageWithRulersAndLabels)
{
    ViewFixture f;
    ASSERT_EQ(f.view->FormSize(), (Size{464, 580}));
    const QImage image = f.Paint();
    // Long ticks every 10 mm = 80 px, short ones every 2 mm = 16 px.
    for (int mm = 0; mm <= 58; mm += 2) {
        const int x = 20 + mm * 8;
        EXPECT_EQ(image.pixel(x, 14) & 0xFFFFFF, kBlack) << mm;
        EXPECT_EQ((image.pixel(x, 5) & 0xFFFFFF) == kBlack, mm % 10 == 0) << mm;
    }
    for (int mm = 0; mm <= 72; mm += 10) {
        EXPECT_EQ(image.pixel(5, 20 + mm * 8) & 0xFFFFFF, kBlack) << mm;
    }
    // A label beside each long tick of both rulers, and none past the page.
    for (int k = 0; k <= 5; ++k) {
        EXPECT_GT(DarkPixels(image, QRect(20 + 80 * k + 2, 0, 10, 12)), 0) << k;
    }
    EXPECT_GT(DarkPixels(image, QRect(0, 20 + 80 + 2, 12, 10)), 0);
    EXPECT_EQ(DarkPixels(image, QRect(20 + 470, 0, 60, 12)), 0);
    // "58mm" right of the page's top, "72.5mm" under its left.
    EXPECT_GT(DarkPixels(image, QRect(464 + 25, 20, 50, 15)), 8);
    EXPECT_GT(DarkPixels(image, QRect(20, 580 + 25, 50, 15)), 8);
    EXPECT_DOUBLE_EQ(TicketLengthMm(f.view->FormSize(), 58, f.view->ScreenResolution()), 72.5);

    // Margins of 5 and 10 mm: 40 px at the sides, 80 at top and bottom.
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 20, 300), kShade);
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 300, 40), kShade);
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 441, 300), kShade);
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 300, 540), kShade);
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 41, 81), kWhite);
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 423, 499), kWhite);
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 500, 300), kBackground);
}

TEST(DesignView, AnEightyMillimetreTemplateShowsItsWiderPage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("wide.vt");
    ASSERT_TRUE(WriteTemplate(path, R"(<?xml version="1.0" encoding="utf-8"?><Window><Form model="80" /></Window>)"));
    ViewFixture f;
    ASSERT_TRUE(f.document.OnOpenDocument(path));
    EXPECT_EQ(f.view->FormSize(), (Size{640, 800}));
    EXPECT_EQ(f.view->PaperWidthMm(), 80);
    const QImage image = f.Paint();
    for (int cm = 0; cm <= 8; ++cm) {
        EXPECT_EQ(image.pixel(20 + 80 * cm, 5) & 0xFFFFFF, kBlack) << cm;
    }
    EXPECT_GT(DarkPixels(image, QRect(640 + 25, 20, 50, 15)), 8);
}

TEST(DesignView, ThePageKeepsItsWidthAboveThePaperAndItsLengthBetweenFortyAndThreeHundredMillimetres)
{
    ViewFixture f;
    const ScreenDpi dpi = f.view->ScreenResolution();
    const int minimumWidth = int(std::trunc(58 * dpi.x / 25.4));
    struct Case
    {
        Size asked;
        Size shown;
    };
    // 464 px wide: 8 px a millimetre down the page too.
    const Case cases[] = {
        {{100, 580}, {minimumWidth, 580}},
        {{464, 5000}, {464, 2400}},
        {{464, 100}, {464, 320}},
        {{500, 700}, {500, 700}},
    };
    for (const Case& c : cases) {
        f.Form().SetFixedWidth(c.asked.cx);
        f.Form().SetFixedHeight(c.asked.cy);
        f.view->UpdateFormSize();
        EXPECT_EQ(f.view->FormSize(), c.shown) << c.asked.cx << "x" << c.asked.cy;
        EXPECT_EQ(f.Form().GetFixedWidth(), c.shown.cx);
        EXPECT_EQ(f.Form().GetFixedHeight(), c.shown.cy);
        EXPECT_EQ(f.view->horizontalScrollBar()->maximum(),
                  std::max(0, c.shown.cx + 100 - f.view->viewport()->width()));
    }
}

TEST(DesignView, MarginsAreShadedOnlyWhereThereAreAny)
{
    ViewFixture f;
    // No margins: all paper. A printable width of 0: only the side strips.
    f.Form().SetPrintPadding(Rect{0, 0, 0, 0});
    f.Form().SetSize(464, 580);
    QImage image = f.Paint();
    // The page's own dotted outline runs along its edges; look inside them.
    int shaded = 0;
    for (int y = 1; y < 579; y += 7) {
        for (int x = 1; x < 463; x += 7) {
            shaded += ViewFixture::PixelAt(image, *f.view, x, y) == kShade ? 1 : 0;
        }
    }
    EXPECT_EQ(shaded, 0);

    f.Form().SetPrintPadding(Rect{29, 10, 29, 10});
    f.Form().SetSize(464, 580);
    ASSERT_EQ(f.Form().GetMargins().left + f.Form().GetMargins().right, 464);
    image = f.Paint();
    int other = 0;
    for (int y = 1; y < 579; y += 7) {
        for (int x = 1; x < 463; x += 7) {
            other += ViewFixture::PixelAt(image, *f.view, x, y) != kShade ? 1 : 0;
        }
    }
    EXPECT_EQ(other, 0);
}

// Black pixels along an element's top edge, just inside its corners.
int BlackAlongTop(const QImage& image, const CDesignerView& view, const Rect& r)
{
    int black = 0;
    for (int x = r.left + 2; x < r.right - 2; ++x) {
        black += ViewFixture::PixelAt(image, view, x, r.top) == kBlack ? 1 : 0;
    }
    return black;
}

TEST(DesignView, GuideOutlinesShowElementsThatWouldOtherwiseBeInvisible)
{
    ViewFixture f;
    const Rect emptyText{60, 100, 160, 140};
    const Rect emptyPicture{60, 160, 160, 220};
    const Rect picture{200, 160, 300, 220};
    const Rect circle{200, 300, 300, 360};
    f.Add(MarkupUI::kElementText, emptyText)->SetText(QString());
    f.Add(MarkupUI::kElementPicture, emptyPicture);
    f.Add(MarkupUI::kElementPicture, picture)->SetAttribute("bkimage", "missing.png");
    f.Add(MarkupUI::kElementCircle, circle);
    const QImage image = f.Paint();
    // Dotted: every other pixel of the edge.
    for (const Rect& r : {emptyText, emptyPicture}) {
        const int black = BlackAlongTop(image, *f.view, r);
        EXPECT_GT(black, (r.Width() - 4) / 3) << r.left << "," << r.top;
        EXPECT_LT(black, (r.Width() - 4) * 2 / 3) << r.left << "," << r.top;
    }
    EXPECT_EQ(BlackAlongTop(image, *f.view, picture), 0);
    // A circle draws only its ring: its box's corner stays paper.
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, circle.left, circle.top), kWhite);
}

TEST(DesignView, KindMarkersSitBesideTheEdgeThatLeavesThePrintableArea)
{
    ViewFixture f;
    // The printable area ends 40 px before the page's right edge, at 424.
    struct Case
    {
        int right;
        int markerLeft;
    };
    for (const Case c : {Case{434, 440}, Case{454, 438}}) {
        ViewFixture g;
        g.Add(MarkupUI::kElementText, Rect{c.right - 100, 300, c.right, 330})->SetText("Window");
        const QImage image = g.Paint();
        EXPECT_EQ(ViewFixture::PixelAt(image, *g.view, c.markerLeft, 300) | 0xFF000000, kMarkerColour) << c.right;
        EXPECT_EQ(ViewFixture::PixelAt(image, *g.view, c.markerLeft + 15, 315) | 0xFF000000, kMarkerColour);
        EXPECT_NE(ViewFixture::PixelAt(image, *g.view, c.markerLeft - 1, 300) | 0xFF000000, kMarkerColour);
    }
    // Inside the printable area: a marker only once selected, 22 px left.
    MarkupUI::CControlUI* inside = f.Add(MarkupUI::kElementText, Rect{100, 300, 200, 330});
    inside->SetText("Window");
    EXPECT_NE(ViewFixture::PixelAt(f.Paint(), *f.view, 80, 305) | 0xFF000000, kMarkerColour);
    f.view->SelectElements({inside});
    EXPECT_EQ(ViewFixture::PixelAt(f.Paint(), *f.view, 80, 305) | 0xFF000000, kMarkerColour);
}

TEST(DesignView, TheGridComesAndGoesAtOnce)
{
    ViewFixture f;
    QSignalSpy changed(f.view.get(), &CDesignerView::CommandStatesChanged);
    EXPECT_EQ(ViewFixture::PixelAt(f.Paint(), *f.view, 100, 100), kWhite);
    f.view->ToggleGrid();
    EXPECT_TRUE(f.view->IsGridShown());
    EXPECT_EQ(changed.count(), 1);
    QImage image = f.Paint();
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 100, 100), kBlack);
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 10, 570), kBlack);
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 101, 100), kWhite);
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 105, 105), kWhite);
    EXPECT_EQ(ViewFixture::PixelAt(image, *f.view, 470, 100), kBackground) << "no dots off the page";
    f.view->ToggleGrid();
    EXPECT_EQ(ViewFixture::PixelAt(f.Paint(), *f.view, 100, 100), kWhite);
}

TEST(DesignView, NumberToolsAreGreyedWhileTheTicketHoldsTheirKind)
{
    ViewFixture f;
    f.tools.selected = MarkupUI::kElementQueuingNum;
    MarkupUI::CControlUI* number = f.Add(MarkupUI::kElementQueuingNum, Rect{100, 100, 300, 160});
    EXPECT_FALSE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementQueuingNum));
    EXPECT_TRUE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementWaitingCount));
    // A tool picked for a kind that just came onto the page is given up.
    EXPECT_EQ(f.tools.selected, MarkupUI::kElementPointerTool);
    f.Add(MarkupUI::kElementCurrentNum, Rect{100, 200, 300, 260});
    EXPECT_FALSE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementCurrentNum));

    const MarkupUI::ControlPtr held(number);
    f.Form().Remove(number);
    EXPECT_TRUE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementQueuingNum));
    // A new template gives every number tool back.
    ASSERT_TRUE(f.document.OnNewDocument());
    EXPECT_TRUE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementCurrentNum));
}

TEST(DesignView, ATemplateWithoutAMillimetreScaleOpensAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("nodpi.vt");
    ASSERT_TRUE(WriteTemplate(path, R"(<?xml version="1.0" encoding="utf-8"?><Window><Form dpi="0,0" /></Window>)"));
    ViewFixture f;
    QSignalSpy messages(f.view.get(), &CDesignerView::StatusMessage);
    ASSERT_TRUE(f.document.OnOpenDocument(path));
    EXPECT_EQ(f.view->FormSize().cx, 0);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages[0][0].toString().contains("dpi"));
    // Painting ends, with the ruler's zero tick.
    const QImage image = f.Paint();
    EXPECT_EQ(image.pixel(20, 5) & 0xFFFFFF, kBlack);
}

} // namespace
} // namespace editor::test
