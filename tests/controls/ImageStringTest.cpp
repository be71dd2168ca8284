#include "controls/ImageString.h"

#include <gtest/gtest.h>

using namespace MarkupUI;
using platform::Rect;

TEST(ImageString, ABareNameDrawsThatEntryOverTheWholeControl)
{
    const auto images = ParseImageString(u"logo.png");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].file, QStringLiteral("logo.png"));
    EXPECT_EQ(images[0].DestinationIn({10, 10, 110, 60}), (Rect{10, 10, 110, 60}));
    EXPECT_EQ(images[0].fade, 255);
    EXPECT_TRUE(ParseImageString(u"").empty());
}

TEST(ImageString, ItemsSetEveryParameter)
{
    const auto images = ParseImageString(
        u"file='a.png' dest='1,2,30,40' source='0,0,8,8' corner='2,2,2,2' mask='#FF00FF' fade='128' "
        u"hole='true' xtiled='true' ytiled='false'");
    ASSERT_EQ(images.size(), 1u);
    const ImageDrawItem& item = images[0];
    EXPECT_EQ(item.file, QStringLiteral("a.png"));
    EXPECT_EQ(*item.dest, (Rect{1, 2, 30, 40}));
    EXPECT_EQ(*item.source, (Rect{0, 0, 8, 8}));
    EXPECT_EQ(item.corner, (Rect{2, 2, 2, 2}));
    EXPECT_EQ(*item.mask, 0xFF00FFu);
    EXPECT_EQ(item.fade, 128);
    EXPECT_TRUE(item.hole);
    EXPECT_TRUE(item.xTiled);
    EXPECT_FALSE(item.yTiled);
}

TEST(ImageString, MaskAcceptsHashOrHexPrefixAndFadeIsBounded)
{
    EXPECT_EQ(*ParseImageString(u"file='a' mask='0xFF0000'")[0].mask, 0xFF0000u);
    EXPECT_EQ(*ParseImageString(u"file='a' mask='00FF00'")[0].mask, 0x00FF00u);
    EXPECT_EQ(ParseImageString(u"file='a' fade='999'")[0].fade, 255);
    EXPECT_EQ(ParseImageString(u"file='a' fade='-4'")[0].fade, 0);
}

TEST(ImageString, DestIsClippedToTheControl)
{
    const auto images = ParseImageString(u"file='a.png' dest='0,0,500,500'");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].DestinationIn({20, 30, 120, 80}), (Rect{20, 30, 120, 80}));
    const auto inner = ParseImageString(u"file='a.png' dest='10,5,40,20'");
    EXPECT_EQ(inner[0].DestinationIn({20, 30, 120, 80}), (Rect{30, 35, 60, 50}));
}

TEST(ImageString, ASecondFileDrawsWhatWasCollectedAndKeepsItsParameters)
{
    const auto images = ParseImageString(u"file='a.png' fade='100' file='b.png' dest='0,0,5,5'");
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].file, QStringLiteral("a.png"));
    EXPECT_FALSE(images[0].dest.has_value());
    EXPECT_EQ(images[1].file, QStringLiteral("b.png"));
    EXPECT_EQ(images[1].fade, 100);
    EXPECT_EQ(*images[1].dest, (Rect{0, 0, 5, 5}));
}

TEST(ImageString, ParsingStopsAtTheFirstMalformedItemKeepingWhatWasCollected)
{
    auto images = ParseImageString(u"file='a.png' fade=\"10\" dest='0,0,5,5'");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].fade, 255);
    EXPECT_FALSE(images[0].dest.has_value());

    images = ParseImageString(u"file='a.png'  fade='10'"); // two spaces
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].fade, 10); // blanks before a name are skipped

    images = ParseImageString(u"file='a.png'fade='10'");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].fade, 255);

    images = ParseImageString(u"file = 'spaced.png' file=''");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].file, QStringLiteral("spaced.png"));
}
