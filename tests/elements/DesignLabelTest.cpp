#include "ElementTestForm.h"

#include "elements/NumberElements.h"
#include "elements/TextEditUI.h"
#include "elements/TimeUI.h"
#include "platform/DrawTextFlags.h"

using namespace MarkupUI;
using namespace platform;
using elementtest::AttachedForm;

namespace {
uint32_t StyleAfter(std::initializer_list<std::pair<const char16_t*, const char16_t*>> attributes)
{
    boost::intrusive_ptr<CTextEditUI> text(new CTextEditUI);
    for (const auto& [name, value] : attributes) {
        text->SetAttribute(QString::fromUtf16(name), QString::fromUtf16(value));
    }
    return text->GetTextStyle();
}
} // namespace

TEST(DesignLabelStyle, AlignValuesSetAndClearTheirFlags)
{
    EXPECT_EQ(StyleAfter({}), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(StyleAfter({{u"align", u"right"}}), DT_RIGHT | DT_VCENTER);
    EXPECT_EQ(StyleAfter({{u"align", u"left"}}), DT_VCENTER);
    EXPECT_EQ(StyleAfter({{u"align", u"right"}, {u"align", u"center"}}), DT_CENTER | DT_VCENTER);
    // "vcenter" contains "center": centred horizontally as well.
    EXPECT_EQ(StyleAfter({{u"align", u"vcenter"}}), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // Substrings apply in the order left, center, right.
    EXPECT_EQ(StyleAfter({{u"align", u"right left"}}), DT_RIGHT | DT_VCENTER);
    // Names ignore case, values do not.
    EXPECT_EQ(StyleAfter({{u"ALIGN", u"right"}}), DT_RIGHT | DT_VCENTER);
    EXPECT_EQ(StyleAfter({{u"align", u"RIGHT"}}), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

TEST(DesignLabelStyle, VerticalAlignmentEndEllipsisAndWordBreak)
{
    EXPECT_EQ(StyleAfter({{u"valign", u"top"}}), DT_CENTER | DT_SINGLELINE);
    EXPECT_EQ(StyleAfter({{u"valign", u"bottom"}}), DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    EXPECT_EQ(StyleAfter({{u"valign", u"bottom"}, {u"valign", u"vcenter"}}),
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(StyleAfter({{u"align", u"right"}, {u"valign", u"top"}}), DT_RIGHT | DT_SINGLELINE);

    EXPECT_EQ(StyleAfter({{u"endellipsis", u"TRUE"}}),
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(StyleAfter({{u"endellipsis", u"true"}, {u"endellipsis", u"no"}}),
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    EXPECT_EQ(StyleAfter({{u"wordbreak", u"True"}}), DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EDITCONTROL);
    EXPECT_EQ(StyleAfter({{u"wordbreak", u"true"}, {u"wordbreak", u"false"}}),
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

TEST(DesignLabelAttributes, FontNumLengthAndTheRestGoToTheBase)
{
    boost::intrusive_ptr<CTextEditUI> text(new CTextEditUI);
    EXPECT_FALSE(text->HasOwnFont());
    text->SetAttribute(QStringLiteral("Font"), QStringLiteral("name='Arial' height='24' bold='true'"));
    EXPECT_TRUE(text->HasOwnFont());
    EXPECT_EQ(text->GetFontDescription().height, -24);
    EXPECT_EQ(text->GetDrawingFont().pixelSize(), 24);
    EXPECT_TRUE(text->GetDrawingFont().bold());

    text->SetAttribute(QStringLiteral("num_length"), QStringLiteral("7"));
    EXPECT_EQ(text->GetNumLength(), 7);
    text->SetAttribute(QStringLiteral("NUM_LENGTH"), QStringLiteral("3")); // exact case only
    EXPECT_EQ(text->GetNumLength(), 7);
    text->SetAttribute(QStringLiteral("num_length"), QStringLiteral("x"));
    EXPECT_EQ(text->GetNumLength(), 0);

    text->SetAttribute(QStringLiteral("text"), QStringLiteral("Welcome"));
    EXPECT_EQ(text->GetText(), QStringLiteral("Welcome"));
}

TEST(DesignLabelFont, AttachingTakesTheDefaultFontWithoutMakingOne)
{
    AttachedForm page;
    page.manager.SetDefaultFont(QStringLiteral("Arial"), 15, true, true, false);
    boost::intrusive_ptr<CTextEditUI> text(new CTextEditUI);
    page.form->Add(text.get());
    EXPECT_FALSE(text->HasOwnFont());
    const FontDescription& font = text->GetFontDescription();
    EXPECT_EQ(font.FaceName(), QStringLiteral("Arial"));
    EXPECT_EQ(font.height, -15);
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.charSet, 1);
    EXPECT_TRUE(font.underline);
    EXPECT_EQ(text->GetDrawingFont().pixelSize(), 15);
}

TEST(DesignLabelFont, FontFollowsTheBoxHeightOrItsWidth)
{
    AttachedForm page;
    boost::intrusive_ptr<CTextEditUI> text(new CTextEditUI);
    // A wide box: the short text fills the height exactly.
    page.Place(text.get(), 10, 10, 250, 40);
    EXPECT_TRUE(text->HasOwnFont());
    EXPECT_EQ(text->GetFontDescription().height, -40);

    // A narrow box: the width decides, so the font is lower than the box.
    text->SetPos(Rect{10, 10, 40, 50});
    const int32_t narrow = -text->GetFontDescription().height;
    EXPECT_LT(narrow, 40);
    EXPECT_GE(narrow, 10);
    const Size extent =
        page.manager.GetPaintDC()->MeasureText(text->GetDrawingFont(), text->GetText(), text->GetTextStyle());
    // The fit scales by the cell height, the font is set by its (smaller)
    // em height: the text comes out near the box width, a little wider.
    EXPECT_GE(extent.cx, 28);
    EXPECT_LE(extent.cx, 40);

    // Never below 10 units; longer text shrinks the font further.
    text->SetPos(Rect{10, 10, 14, 14});
    EXPECT_EQ(text->GetFontDescription().height, -10);
    text->SetPos(Rect{10, 10, 110, 40});
    const int32_t shortText = -text->GetFontDescription().height;
    text->SetText(QStringLiteral("A much longer line of text"));
    EXPECT_LT(-text->GetFontDescription().height, shortText);
}

TEST(DesignLabelFont, NoFittingWithoutTextOrManager)
{
    boost::intrusive_ptr<CTextEditUI> loose(new CTextEditUI);
    loose->SetPos(Rect{0, 0, 100, 50});
    EXPECT_FALSE(loose->HasOwnFont());

    AttachedForm page;
    boost::intrusive_ptr<CTextEditUI> empty(new CTextEditUI);
    empty->SetText(QString());
    page.Place(empty.get(), 0, 0, 100, 50);
    EXPECT_FALSE(empty->HasOwnFont());
}

class DisplaySize : public elementtest::SampleNumbersReset
{
};

TEST_F(DisplaySize, OneCharacterCellIsAtMost64DotsSquare)
{
    AttachedForm page;
    ASSERT_EQ(page.form->GetPrintableWidthDots(), page.form->GetPrintableWidthView());
    ASSERT_EQ(page.form->GetPrintableHeightDots(), page.form->GetPrintableHeightView());

    boost::intrusive_ptr<CQueuingNumUI> number(new CQueuingNumUI);
    page.Place(number.get(), 0, 0, 400, 100);
    EXPECT_EQ(number->GetDisplaySize(), (Size{256, 64}));

    // Small cells are not enlarged; a length of 0 keeps the fixed size.
    number->SetPos(Rect{0, 0, 100, 50});
    EXPECT_EQ(number->GetDisplaySize(), (Size{100, 50}));
    number->SetNumLength(0);
    number->SetPos(Rect{0, 0, 400, 100});
    EXPECT_EQ(number->GetDisplaySize(), (Size{400, 100}));

    // Fixed text is never limited.
    boost::intrusive_ptr<CTextEditUI> text(new CTextEditUI);
    page.Place(text.get(), 0, 0, 400, 100);
    EXPECT_EQ(text->GetDisplaySize(), (Size{400, 100}));
}

TEST_F(DisplaySize, CellsAreMeasuredInPrinterDots)
{
    // 254 dpi: two printer dots per view unit across and down.
    AttachedForm page;
    page.form->SetDpi(254.0f, 254.0f);
    page.form->SetSize(290, 500);
    ASSERT_EQ(page.form->GetPrintableWidthDots(), 2 * page.form->GetPrintableWidthView());

    boost::intrusive_ptr<CCurrentNumUI> number(new CCurrentNumUI);
    page.Place(number.get(), 0, 0, 400, 100);
    // 800 x 200 dots in 4 cells: 40000 dots each, scaled by 64 / 200.
    EXPECT_EQ(number->GetDisplaySize(), (Size{128, 32}));
}

TEST_F(DisplaySize, WithoutAParentTheFixedSizeStands)
{
    boost::intrusive_ptr<CQueuingNumUI> number(new CQueuingNumUI);
    number->SetFixedWidth(400);
    number->SetFixedHeight(100);
    EXPECT_EQ(number->GetDisplaySize(), (Size{400, 100}));
}

TEST_F(DisplaySize, TimeCellsCountTheCharactersShown)
{
    AttachedForm page;
    boost::intrusive_ptr<CTimeUI> time(new CTimeUI);
    time->SetAttribute(QStringLiteral("timeformat"), QStringLiteral("HH:MM:SS"));
    ASSERT_EQ(time->GetText().size(), 8);
    page.Place(time.get(), 0, 0, 800, 100);
    // 80000 / 8 = 10000 dots per cell: scaled by 0.64.
    EXPECT_EQ(time->GetDisplaySize(), (Size{512, 64}));
}
