#include "controls/PaintManagerUI.h"
#include "device/GlyphRaster.h"
#include "device/PageRaster.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "elements/NumberElements.h"

#include <gtest/gtest.h>

using namespace MarkupUI;
using device::GlyphSizeInDots;
using device::PrintableArea;
using platform::Size;

namespace {
// One view unit per dot, so sizes pass through unchanged.
const PrintableArea kDotPerUnit{384, 840, 384, 840};

// The character extent and box chosen so the glyph comes out w x h dots.
Size Glyph(int w, int h)
{
    return GlyphSizeInDots(Size{w, h}, Size{100, 100}, Size{100, 100}, kDotPerUnit);
}
} // namespace

TEST(GlyphRaster, GlyphsAreShrunkToAtMost4096Dots)
{
    EXPECT_EQ(Glyph(100, 80), (Size{71, 57}));
    EXPECT_EQ(Glyph(65, 64), (Size{64, 63}));
    EXPECT_EQ(Glyph(64, 64), (Size{64, 64}));
    EXPECT_EQ(Glyph(9, 30), (Size{9, 30}));
}

TEST(GlyphRaster, GlyphsScaleByTheBoxAndThePrinterResolution)
{
    // A character a quarter of the text wide, in a box twice the text's size,
    // on a printer with two dots per view unit vertically.
    const PrintableArea area{384, 840, 384, 420};
    EXPECT_EQ(GlyphSizeInDots(Size{10, 20}, Size{40, 20}, Size{80, 40}, area), (Size{20, 80}));
    // An element whose text has no extent, or a form without a printable
    // area, gives an empty glyph instead of a negative size.
    EXPECT_EQ(GlyphSizeInDots(Size{10, 20}, Size{0, 0}, Size{80, 40}, area), Size{});
    EXPECT_EQ(GlyphSizeInDots(Size{10, 20}, Size{40, 20}, Size{80, 40}, PrintableArea{0, 0, 0, 0}), Size{});
}

TEST(GlyphRaster, LightGreyIsInkInAGlyphButPaperOnThePage)
{
    QImage image(9, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(8, 0, qRgb(250, 250, 250));
    image.setPixel(0, 1, qRgb(128, 128, 128));
    image.setPixel(1, 1, qRgb(129, 129, 129));
    const device::PackedImage glyph = device::PackGlyphBits(image);
    ASSERT_EQ(glyph.bits.size(), 4u); // a 9-dot row takes two bytes
    EXPECT_EQ(glyph.bits[0], 0x00);
    EXPECT_EQ(glyph.bits[1], 0x80);
    EXPECT_EQ(glyph.bits[2], 0xC0);
    const device::PackedImage page = device::PackImageBits(image);
    EXPECT_EQ(page.bits[1], 0x00);
    EXPECT_EQ(page.bits[2], 0x80) << "grey 128 is ink, grey 129 paper";
}

// A queuing number on an 80 mm form, the field glyph sets are made for.
class QueuingNumberOnAForm : public ::testing::Test
{
protected:
    void SetUp() override
    {
        manager.SetSurfaceReady(true);
        manager.AttachDialog(form.get());
        form->SetSize(464, 580);
        form->Add(number.get());
        form->SetPos(form->GetPos());
        area = PrintableArea{form->GetPrintableWidthDots(), form->GetPrintableHeightDots(),
                             form->GetPrintableWidthView(), form->GetPrintableHeightView()};
    }

    CPaintManagerUI manager;
    FormPtr form{new CFormUI};
    ControlPtr number = CreateElement(kElementQueuingNum, {40, 80, 140, 130});
    CDesignLabelUI* label = static_cast<CDesignLabelUI*>(number.get());
    PrintableArea area;
};

TEST_F(QueuingNumberOnAForm, RenderedDigitsHaveInkAndTheComputedSize)
{
    for (QChar ch : QStringLiteral("08F")) {
        const device::PackedImage glyph = device::RenderGlyph(*label, ch, area);
        ASSERT_FALSE(glyph.IsEmpty()) << ch.toLatin1();
        EXPECT_LE(glyph.width * glyph.height, 4096);
        EXPECT_GT(glyph.height, glyph.width / 2) << "a digit is taller than half its width";
        int ink = 0;
        for (uint8_t byte : glyph.bits) {
            ink += __builtin_popcount(byte);
        }
        EXPECT_GT(ink, glyph.width) << ch.toLatin1();
        EXPECT_LT(ink, glyph.width * glyph.height) << ch.toLatin1();
    }
}

TEST_F(QueuingNumberOnAForm, HeldGlyphSetsFollowTheElementsFontAndText)
{
    const QString digits = QStringLiteral("0123456789");
    const auto drawnOneByOne = [&] {
        std::vector<device::PackedImage> glyphs;
        for (const QChar ch : digits) {
            glyphs.push_back(device::RenderGlyph(*label, ch, area));
        }
        return glyphs;
    };

    const std::vector<device::PackedImage> first = device::RenderGlyphSet(*label, digits, area);
    EXPECT_EQ(first, drawnOneByOne());
    EXPECT_EQ(&device::RenderGlyphSet(*label, digits, area), &device::RenderGlyphSet(*label, digits, area))
        << "an unchanged set is held";

    // Whatever the operator changes, the next upload draws what is there now.
    label->SetAttribute(QStringLiteral("font"),
                        QStringLiteral("name='Liberation Serif' height='40' bold='true'"));
    const std::vector<device::PackedImage> bolder = device::RenderGlyphSet(*label, digits, area);
    EXPECT_EQ(bolder, drawnOneByOne());
    EXPECT_NE(bolder, first);
    label->SetText(QStringLiteral("2"));
    const std::vector<device::PackedImage> shortText = device::RenderGlyphSet(*label, digits, area);
    EXPECT_EQ(shortText, drawnOneByOne());
    EXPECT_NE(shortText, bolder) << "a shorter sample widens each glyph";
    EXPECT_EQ(device::RenderGlyphSet(*label, QStringLiteral("0123456789-"), area).size(), 11u);
}

TEST(PageRaster, StaticShapesLandOnTheirDotsAndMarginsStayBlank)
{
    CPaintManagerUI manager;
    manager.SetSurfaceReady(true);
    FormPtr form(new CFormUI);
    manager.AttachDialog(form.get());
    form->SetSize(464, 580); // 384 x 840 dots for 384 x 420 units: 2 dots per unit vertically
    ControlPtr block = CreateElement(kElementRectangle, {140, 180, 160, 200});
    block->SetBorderSize(10);
    block->SetBorderColor(0xFF000000);
    form->Add(block.get());
    ControlPtr inMargin = CreateElement(kElementRectangle, {0, 0, 30, 30});
    inMargin->SetBorderSize(15);
    inMargin->SetBorderColor(0xFF000000);
    form->Add(inMargin.get());
    ControlPtr number = CreateElement(kElementQueuingNum, {40, 80, 140, 130});
    form->Add(number.get());
    form->SetPos(form->GetPos());

    const QImage page = device::RenderPageImage(*form);
    ASSERT_EQ(page.size(), QSize(384, 840));
    const device::PackedImage bits = device::PackImageBits(page);
    // The filled square (view 140..160, 180..200) is at dots 100..120, 200..240.
    EXPECT_TRUE(bits.Dot(110, 220));
    EXPECT_TRUE(bits.Dot(101, 202));
    EXPECT_FALSE(bits.Dot(95, 220));
    EXPECT_FALSE(bits.Dot(110, 245));
    // Nothing of the margin square, nothing of the ticket number.
    int ink = 0;
    for (int y = 0; y < bits.height; ++y) {
        for (int x = 0; x < bits.width; ++x) {
            ink += bits.Dot(x, y) ? 1 : 0;
        }
    }
    EXPECT_NEAR(ink, 20 * 40, 20 * 4);
}
