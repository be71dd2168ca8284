// The print preview: the page in black and white by the printer's rule, on
// a framed sheet centred in the window.
#include "ViewTestSupport.h"

#include "device/PageRaster.h"
#include "editor/DesignPreview.h"
#include "platform/Luminance.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace editor::test {
namespace {

using platform::Rect;

TEST(Preview, ColoursComeOutAsThePrinterPrintsThem)
{
    ViewFixture f;
    struct Case
    {
        const char* colour;
        QRgb shown;
    };
    // Luminance 129.0 is paper; grey 128 computes to just below 128.
    const Case cases[] = {
        {"#FF818181", 0xFFFFFF}, {"#FF808080", 0x000000}, {"#FF646464", 0x000000},
        {"#FFFF0000", 0x000000}, {"#FF0000FF", 0x000000}, {"#FF00FF00", 0xFFFFFF},
    };
    int top = 100;
    for (const Case& c : cases) {
        f.Add(MarkupUI::kElementPicture, Rect{100, top, 200, top + 40})->SetAttribute("bkcolor", c.colour);
        top += 50;
    }
    CDesignPreview preview(*f.view);
    preview.resize(800, 900);
    QImage image(preview.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    preview.PaintViewport(image, image.rect());
    const QPoint origin = preview.PageOrigin();
    top = 100;
    for (const Case& c : cases) {
        EXPECT_EQ(image.pixel(origin + QPoint(150, top + 20)) & 0xFFFFFF, c.shown) << c.colour;
        top += 50;
    }

    // The printer's page image agrees dot for dot with the preview.
    const QImage page = device::RenderPageImage(f.Form());
    const platform::Rect margins = f.Form().GetMargins();
    const int dotsPerPixel = page.width() / (464 - margins.left - margins.right);
    ASSERT_GE(dotsPerPixel, 1);
    top = 100;
    for (const Case& c : cases) {
        const QPoint dot((150 - margins.left) * dotsPerPixel, (top + 20 - margins.top) * page.height() /
                                                                   (580 - margins.top - margins.bottom));
        EXPECT_EQ(platform::IsInk(page.pixel(dot)), c.shown == 0) << c.colour;
        top += 50;
    }
}

TEST(Preview, ThePageSitsCentredOnAFramedSheetAndEscapeAsksToClose)
{
    ViewFixture f;
    CDesignPreview preview(*f.view);
    preview.resize(900, 1000);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    const QSize client = preview.viewport()->size();
    const QPoint origin = preview.PageOrigin();
    EXPECT_EQ(origin, QPoint((client.width() - 464) / 2, (client.height() - 580) / 2));
    QImage image(client, QImage::Format_ARGB32_Premultiplied);
    preview.PaintViewport(image, image.rect());
    const QRgb background = image.pixel(5, 5);
    // Frame on the page's edge, shadow beyond its right and bottom edges,
    // the background past that.
    EXPECT_EQ(image.pixel(origin + QPoint(0, 300)) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(image.pixel(origin + QPoint(200, 0)) & 0xFFFFFF, 0x000000u);
    EXPECT_NE(image.pixel(origin + QPoint(464 + 1, 300)), background);
    EXPECT_NE(image.pixel(origin + QPoint(200, 580 + 1)), background);
    EXPECT_EQ(image.pixel(origin + QPoint(464 + 6, 300)), background);
    EXPECT_EQ(image.pixel(origin + QPoint(200, 300)) & 0xFFFFFF, 0xFFFFFFu);

    QSignalSpy close(&preview, &CDesignPreview::CloseRequested);
    QTest::keyClick(&preview, Qt::Key_Escape);
    EXPECT_EQ(close.count(), 1);
}

} // namespace
} // namespace editor::test
