#include "controls/ControlUI.h"
#include "controls/PaintManagerUI.h"

#include <gtest/gtest.h>

using namespace MarkupUI;
using platform::Rect;
using platform::Size;

TEST(ControlAttributes, PosWithZeroRightBottomKeepsSizeThenWidthAndHeightSetIt)
{
    CControlUI control;
    control.SetFixedWidth(7);
    control.SetFixedHeight(9);
    control.SetAttribute("pos", "10,20,0,0");
    EXPECT_EQ(control.GetFixedXY(), (Size{10, 20}));
    EXPECT_EQ(control.GetFixedWidth(), 7); // negative computed widths are ignored
    EXPECT_EQ(control.GetFixedHeight(), 9);
    control.SetAttribute("width", "120");
    control.SetAttribute("height", "30");
    EXPECT_EQ(control.GetFixedWidth(), 120);
    EXPECT_EQ(control.GetFixedHeight(), 30);

    control.SetAttribute("pos", "0,0,0,0");
    EXPECT_EQ(control.GetFixedWidth(), 0);
    EXPECT_EQ(control.GetFixedHeight(), 0);

    control.SetAttribute("pos", "-5,-6,40,50");
    EXPECT_EQ(control.GetFixedXY(), (Size{40, 50}));
    EXPECT_EQ(control.GetFixedWidth(), 45);
}

TEST(ControlAttributes, BorderSizeTakesOneWidthOrFourSides)
{
    CControlUI control;
    control.SetAttribute("bordersize", "1,2,3,4");
    EXPECT_EQ(control.GetSideBorderSizes(), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(control.GetBorderSize(), 0);
    control.SetAttribute("bordersize", "3");
    EXPECT_EQ(control.GetBorderSize(), 3);
    EXPECT_EQ(control.GetSideBorderSizes(), Rect{});
    control.SetAttribute("topbordersize", "6");
    EXPECT_EQ(control.GetSideBorderSizes(), (Rect{0, 6, 0, 0}));
}

TEST(ControlAttributes, ColoursFlagsAndTextsReachTheirFields)
{
    CControlUI control;
    control.SetAttribute("bkcolor", " #FF102030");
    control.SetAttribute("bkcolor2", "FF102030");
    control.SetAttribute("bordercolor", " #FF102030");
    control.SetAttribute("focusbordercolor", "#FF000000");
    EXPECT_EQ(control.GetBkColor(), 0xFF102030u);
    EXPECT_EQ(control.GetBkColor2(), 0xFF102030u);
    EXPECT_EQ(control.GetBorderColor(), 0u);
    EXPECT_EQ(control.GetFocusBorderColor(), 0xFF000000u);

    control.SetAttribute("visible", "TRUE");
    EXPECT_FALSE(control.IsVisible());
    control.SetAttribute("visible", "true");
    EXPECT_TRUE(control.IsVisible());
    control.SetAttribute("float", "true");
    EXPECT_TRUE(control.IsFloat());

    control.SetAttribute("tooltip", "one<n>two");
    EXPECT_EQ(control.GetToolTip(), QStringLiteral("one\r\ntwo"));
    control.SetAttribute("shortcut", "Quit");
    EXPECT_EQ(control.GetShortcut(), u'Q');
    control.SetAttribute("text", QString::fromUtf8("号码 <&>"));
    EXPECT_EQ(control.GetText(), QString::fromUtf8("号码 <&>"));

    // Names compare exactly: a capitalised name is unknown and ignored.
    control.SetAttribute("Name", "ignored");
    control.SetAttribute("nosuchattribute", "1");
    EXPECT_TRUE(control.GetName().isEmpty());
}

TEST(ControlAttributes, SizeSettersIgnoreNegativeAndUnchangedValues)
{
    CControlUI control;
    control.SetFixedWidth(50);
    control.SetFixedWidth(-1);
    EXPECT_EQ(control.GetFixedWidth(), 50);
    control.SetAttribute("minwidth", "-3");
    EXPECT_EQ(control.GetMinWidth(), 0);
    control.SetAttribute("maxheight", "200");
    EXPECT_EQ(control.GetMaxHeight(), 200);
    EXPECT_EQ(control.GetMaxWidth(), 9999);
}

TEST(ControlAttributes, AttributeListStopsAtTheFirstMalformedPairKeepingEarlierOnes)
{
    CControlUI control;
    control.ApplyAttributeList(R"(name="a" text="b c" bkcolor="#FF000001")");
    EXPECT_EQ(control.GetName(), QStringLiteral("a"));
    EXPECT_EQ(control.GetText(), QStringLiteral("b c"));
    EXPECT_EQ(control.GetBkColor(), 0xFF000001u);

    CControlUI partial;
    partial.ApplyAttributeList(R"(name="x"  text="two spaces")");
    EXPECT_EQ(partial.GetName(), QStringLiteral("x"));
    EXPECT_TRUE(partial.GetText().isEmpty());

    CControlUI unquoted;
    unquoted.ApplyAttributeList(R"(name='x' text="y")");
    EXPECT_TRUE(unquoted.GetName().isEmpty());
    EXPECT_TRUE(unquoted.GetText().isEmpty());

    CControlUI unterminated;
    unterminated.ApplyAttributeList(R"(name="x" text="y)");
    EXPECT_EQ(unterminated.GetName(), QStringLiteral("x"));
    EXPECT_TRUE(unterminated.GetText().isEmpty());
}
