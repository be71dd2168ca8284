#include "controls/AttributeValues.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

using namespace MarkupUI::AttributeValues;

TEST(AttributeValues, IntegersReadAPrefixAndGiveZeroWithoutDigits)
{
    EXPECT_EQ(ParseInt(u"42"), 42);
    EXPECT_EQ(ParseInt(u"  -17px"), -17);
    EXPECT_EQ(ParseInt(u"+8"), 8);
    EXPECT_EQ(ParseInt(u"abc"), 0);
    EXPECT_EQ(ParseInt(u""), 0);
    EXPECT_EQ(ParseInt(u"99999999999"), 2147483647);
    EXPECT_EQ(ParseInt(u"-99999999999"), -2147483647 - 1);
}

TEST(AttributeValues, ListsAcceptAnySingleSeparatorAndFillMissingWithZero)
{
    EXPECT_EQ(ParseRect(u"10,20,30,40"), (platform::Rect{10, 20, 30, 40}));
    EXPECT_EQ(ParseRect(u"10;20 30x40"), (platform::Rect{10, 20, 30, 40}));
    EXPECT_EQ(ParseRect(u"10,20"), (platform::Rect{10, 20, 0, 0}));
    EXPECT_EQ(ParseRect(u""), platform::Rect{});
    // A doubled separator leaves an empty item, which reads as 0 and shifts the rest.
    EXPECT_EQ(ParseRect(u"1,,2,3"), (platform::Rect{1, 0, 2, 3}));
    EXPECT_EQ(ParseSize(u"464,580"), (platform::Size{464, 580}));
}

TEST(AttributeValues, BackgroundAndBorderColoursSkipDifferentPrefixes)
{
    EXPECT_EQ(ParseBackgroundColor(u" #FF102030"), 0xFF102030u);
    EXPECT_EQ(ParseBackgroundColor(u"FF102030"), 0xFF102030u);
    EXPECT_EQ(ParseBackgroundColor(u"FF0000"), 0x00FF0000u); // red with alpha 0
    EXPECT_EQ(ParseBorderColor(u"#FF102030"), 0xFF102030u);
    EXPECT_EQ(ParseBorderColor(u" #FF102030"), 0u);
    EXPECT_EQ(ParseBorderColor(u"#1FFFFFFFF"), 0xFFFFFFFFu); // too long saturates
    EXPECT_EQ(ParseBackgroundColor(u"#zz"), 0u);
}

TEST(AttributeValues, ColoursWrittenAsAlphaRedGreenBlueReadBackUnchanged)
{
    EXPECT_EQ(FormatColor(0xFF102030u), QStringLiteral("#FF102030"));
    EXPECT_EQ(FormatColor(0x000000ABu), QStringLiteral("#000000AB"));
    for (uint32_t c : {0u, 0xFFFFFFFFu, 0x80A0B0C0u, 0x00ABCDEFu}) {
        EXPECT_EQ(ParseBackgroundColor(FormatColor(c)), c);
        EXPECT_EQ(ParseBorderColor(FormatColor(c)), c);
    }
    EXPECT_EQ(FormatRect({1, -2, 3, 4}), QStringLiteral("1,-2,3,4"));
}

TEST(AttributeValues, OnlyLowerCaseTrueIsTrue)
{
    EXPECT_TRUE(ParseBool(u"true"));
    EXPECT_FALSE(ParseBool(u"TRUE"));
    EXPECT_FALSE(ParseBool(u"1"));
    EXPECT_FALSE(ParseBool(u" true"));
}

TEST(AttributeValues, DecimalNumbersIgnoreTheSystemLocale)
{
    testsupport::LocaleGuard german("de_DE.UTF-8");
    qsizetype end = 0;
    EXPECT_FLOAT_EQ(float(ReadDouble(u"203.2,406.4", &end)), 203.2f);
    EXPECT_EQ(end, 5);
    EXPECT_DOUBLE_EQ(ReadDouble(u" -1.5e2x"), -150.0);
    EXPECT_DOUBLE_EQ(ReadDouble(u"7e"), 7.0);
    EXPECT_DOUBLE_EQ(ReadDouble(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(ReadDouble(u"abc", &end), 0.0);
    EXPECT_EQ(end, 0);
    EXPECT_EQ(FormatInt(-1234567), QStringLiteral("-1234567"));
}

TEST(AttributeValues, TooltipLineBreakMarkersBecomeCrLf)
{
    EXPECT_EQ(ParseTooltip(u"a<n>b<n>"), QStringLiteral("a\r\nb\r\n"));
}
