#include "platform/FontDescription.h"
#include "platform/DrawTextFlags.h"
#include "platform/TextMeasure.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(FontDescription, FaceNameKeepsAtMost31Units)
{
    FontDescription font;
    font.SetFaceName(QString(40, u'x'));
    EXPECT_EQ(font.FaceName(), QString(31, u'x'));

    font.SetFaceName(u"Arial");
    EXPECT_EQ(font.FaceName(), QStringLiteral("Arial"));
}

TEST(FontDescription, FaceNameCutNeverSplitsASurrogatePair)
{
    // 30 letters then a character outside the basic plane (two units).
    const QString face = QString(30, u'a') + QString::fromUcs4(U"\U0001F600") + u'b';
    FontDescription font;
    font.SetFaceName(face);
    EXPECT_EQ(font.FaceName(), QString(30, u'a'));
}

TEST(FontDescription, NegativeHeightIsThePixelSizeAndWeightMapsToQt)
{
    FontDescription font;
    font.SetFaceName(u"Arial");
    font.height = -24;
    font.weight = kFontWeightBold;
    font.italic = true;
    font.underline = true;
    font.strikeOut = true;
    const QFont q = ToQFont(font);
    EXPECT_EQ(q.pixelSize(), 24);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.italic());
    EXPECT_TRUE(q.underline());
    EXPECT_TRUE(q.strikeOut());
    EXPECT_EQ(q.family(), QStringLiteral("Arial"));

    font.weight = kFontWeightDontCare;
    font.height = 0;
    const QFont plain = ToQFont(font);
    EXPECT_EQ(plain.weight(), QFont::Normal);
    EXPECT_EQ(plain.pixelSize(), kDefaultFontPixelHeight);
}

TEST(FontDescription, PositiveHeightAsksForTheCellHeight)
{
    FontDescription font;
    font.SetFaceName(u"Arial");
    font.height = 40;
    const QFont q = ToQFont(font);
    // The em is smaller than the cell; the measured cell is close to 40.
    EXPECT_LT(q.pixelSize(), 40);
    const Size extent = TextMeasure().MeasureText(q, QStringLiteral("Ag"), DT_SINGLELINE);
    EXPECT_NEAR(extent.cy, 40, 3);
}

TEST(FontDescription, AbsurdHeightsStayDrawable)
{
    FontDescription font;
    font.height = INT32_MIN;
    EXPECT_LE(ToQFont(font).pixelSize(), 4096);
    font.height = INT32_MAX;
    EXPECT_LE(ToQFont(font).pixelSize(), 4096);
}

TEST(TextMeasure, ExtentGrowsWithTextAndFontAndCountsLines)
{
    const TextMeasure measure;
    FontDescription description;
    description.SetFaceName(u"Arial");
    description.height = -20;
    const QFont font = ToQFont(description);

    EXPECT_EQ(measure.MeasureText(font, QString(), DT_SINGLELINE), Size{});

    const Size one = measure.MeasureText(font, QStringLiteral("0123"), DT_SINGLELINE);
    const Size two = measure.MeasureText(font, QStringLiteral("01230123"), DT_SINGLELINE);
    EXPECT_GT(one.cx, 0);
    EXPECT_GE(one.cy, 20);
    EXPECT_LE(one.cy, 26);
    EXPECT_NEAR(two.cx, 2 * one.cx, 2);
    EXPECT_EQ(two.cy, one.cy);

    description.height = -40;
    const Size big = measure.MeasureText(ToQFont(description), QStringLiteral("0123"), DT_SINGLELINE);
    EXPECT_NEAR(big.cx, 2 * one.cx, 3);

    // Several lines only without DT_SINGLELINE.
    const Size lines = measure.MeasureText(font, QStringLiteral("0123\r\n01"), 0);
    EXPECT_EQ(lines.cy, 2 * one.cy);
    EXPECT_EQ(lines.cx, one.cx);
    const Size single = measure.MeasureText(font, QStringLiteral("0123\n01"), DT_SINGLELINE);
    EXPECT_EQ(single.cy, one.cy);
}

TEST(TextMeasure, ChineseTextIsMeasuredWithAFallbackFont)
{
    FontDescription description;
    description.SetFaceName(u"Arial");
    description.height = -20;
    const Size extent =
        TextMeasure().MeasureText(ToQFont(description), QStringLiteral("请取号"), DT_SINGLELINE);
    // Three full-width characters are each about one em wide.
    EXPECT_GT(extent.cx, 3 * 14);
}
