#include "controls/FontAttribute.h"
#include "controls/PaintManagerUI.h"

#include <gtest/gtest.h>

using MarkupUI::ParseFontDescription;
using platform::FontDescription;

TEST(FontAttribute, NameHeightAndBoldGiveACharacterHeightFont)
{
    const FontDescription font = ParseFontDescription(u"name='Arial' height='24' bold='true'");
    EXPECT_EQ(font.FaceName(), QStringLiteral("Arial"));
    EXPECT_EQ(font.height, -24);
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.charSet, 1);
    EXPECT_FALSE(font.italic);
    EXPECT_FALSE(font.underline);
    EXPECT_EQ(font.width, 0);
}

TEST(FontAttribute, EveryKeyAndTheDefaults)
{
    const FontDescription font = ParseFontDescription(
        u"name='SimSun' height='-12' bold='false' underline='true' italic='true' charset='134'");
    EXPECT_EQ(font.FaceName(), QStringLiteral("SimSun"));
    EXPECT_EQ(font.height, 12);
    EXPECT_EQ(font.weight, 0);
    EXPECT_TRUE(font.underline);
    EXPECT_TRUE(font.italic);
    EXPECT_EQ(font.charSet, 134);

    const FontDescription empty = ParseFontDescription(u"");
    FontDescription expected;
    expected.charSet = 1;
    EXPECT_EQ(empty, expected);
}

TEST(FontAttribute, EmptyValuesAreSkippedAndUnknownKeysIgnored)
{
    const FontDescription font = ParseFontDescription(u"name='' height='30' size='99' Bold='true'");
    EXPECT_TRUE(font.FaceName().isEmpty());
    EXPECT_EQ(font.height, -30);
    EXPECT_EQ(font.weight, 0); // keys compare exactly
}

TEST(FontAttribute, ReadingStopsAtTheFirstMalformedItem)
{
    // A missing quote or a wrong separator ends the list; what came before stays.
    EXPECT_EQ(ParseFontDescription(u"height='20' name=Arial bold='true'").height, -20);
    EXPECT_EQ(ParseFontDescription(u"height='20' name=Arial bold='true'").weight, 0);
    const FontDescription semicolon = ParseFontDescription(u"name='Arial';height='20'");
    EXPECT_EQ(semicolon.FaceName(), QStringLiteral("Arial"));
    EXPECT_EQ(semicolon.height, 0);
    EXPECT_EQ(ParseFontDescription(u"name='Arial").FaceName(), QString());
}

TEST(FontAttribute, HostileValuesAreBounded)
{
    const FontDescription font =
        ParseFontDescription(QStringLiteral("name='%1' height='-99999999999'").arg(QString(500, u'F')));
    EXPECT_EQ(font.FaceName().size(), 31);
    EXPECT_EQ(font.height, INT32_MAX);
}

TEST(PaintManagerFonts, DefaultFontAsDescriptionAndMeasuringContext)
{
    MarkupUI::CPaintManagerUI manager;
    manager.SetDefaultFont(QStringLiteral("Times New Roman"), 16, true, false, true);
    const FontDescription font = manager.GetDefaultFontDescription();
    EXPECT_EQ(font.FaceName(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(font.height, -16);
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.charSet, 1);
    EXPECT_TRUE(font.italic);
    EXPECT_FALSE(font.underline);
    EXPECT_EQ(manager.GetDefaultFontInfo().ToQFont().pixelSize(), 16);

    EXPECT_EQ(manager.GetPaintDC(), nullptr); // no surface yet: nothing to measure with
    manager.SetSurfaceReady(true);
    ASSERT_NE(manager.GetPaintDC(), nullptr);
    const platform::Size extent =
        manager.GetPaintDC()->MeasureText(manager.GetDefaultFontInfo().ToQFont(), QStringLiteral("12"), 0x20);
    EXPECT_GT(extent.cx, 0);
    EXPECT_GE(extent.cy, 16);
}
