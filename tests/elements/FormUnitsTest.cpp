#include "controls/PaintManagerUI.h"
#include "elements/FormUI.h"
#include "platform/MulDiv.h"

#include <gtest/gtest.h>

#include <limits>

using namespace MarkupUI;
using platform::Rect;

TEST(FormUnits, NewFormHasTheDocumentedDefaults)
{
    CFormUI form;
    EXPECT_EQ(form.GetModel(), QStringLiteral("58"));
    EXPECT_FLOAT_EQ(form.GetDpiX(), 203.2f);
    EXPECT_FLOAT_EQ(form.GetDpiY(), 406.4f);
    EXPECT_EQ(form.GetPrintPadding(), (Rect{5, 10, 5, 10}));
    EXPECT_EQ(form.GetMargins(), (Rect{32, 160, 32, 160}));
    EXPECT_EQ(form.GetPrintableWidthDots(), 0);
    EXPECT_EQ(form.GetPrintableHeightView(), 1);
    EXPECT_EQ(form.GetMaxNum(), 9999);
    EXPECT_EQ(form.GetCutoffNum(), 1);
    EXPECT_EQ(form.GetElementKind(), 101);
    EXPECT_EQ(form.GetClass(), QStringLiteral("FormUI"));
}

TEST(FormUnits, DefaultFormOf464By580GivesThePrintableArea)
{
    for (int screen : {200, 96}) { // only the ratio of the screen values matters
        CFormUI form;
        form.SetScreenDpi(screen, screen);
        form.SetSize(464, 580);
        EXPECT_EQ(form.GetMargins(), (Rect{40, 80, 40, 80})) << screen;
        EXPECT_EQ(form.GetPrintableWidthDots(), 384);
        EXPECT_EQ(form.GetPrintableHeightDots(), 840);
        EXPECT_EQ(form.GetPrintableWidthView(), 384);
        EXPECT_EQ(form.GetPrintableHeightView(), 420);
        EXPECT_EQ(form.GetPos(), (Rect{0, 0, 464, 580}));
    }
}

TEST(FormUnits, EightyMillimetrePaperAndNonSquareScreens)
{
    CFormUI form;
    form.SetModel("80");
    form.SetSize(640, 800);
    EXPECT_EQ(form.GetMargins(), (Rect{40, 80, 40, 80}));
    EXPECT_EQ(form.GetPrintableWidthDots(), 560);

    CFormUI tall; // pixels twice as tall as wide: a millimetre spans twice the units
    tall.SetScreenDpi(100, 200);
    tall.SetSize(464, 580);
    EXPECT_EQ(tall.GetMargins(), (Rect{40, 160, 40, 160}));
    EXPECT_EQ(tall.GetPrintableHeightDots(), platform::MulDiv((580 - 320) * 58, 4064 * 100, 464 * 200 * 254));

    CFormUI other;
    other.SetModel("80mm"); // anything but "80" is 58 mm
    EXPECT_EQ(other.GetPaperWidthMm(), 58);
}

TEST(FormUnits, TinySizesKeepTheirPositionButAMinimumFixedSize)
{
    CFormUI form;
    form.SetSize(5, 5);
    EXPECT_EQ(form.GetPos(), (Rect{0, 0, 5, 5}));
    EXPECT_EQ(form.GetFixedWidth(), 10);
    EXPECT_EQ(form.GetFixedHeight(), 10);
}

TEST(FormUnits, MapToDeviceConvertsToDotsOfThePrintableArea)
{
    CFormUI form;
    form.SetSize(464, 580);
    Rect r{40, 80, 140, 130};
    ASSERT_TRUE(form.MapToDevice(r));
    EXPECT_EQ(r, (Rect{0, 0, 100, 100}));

    Rect margin{0, 0, 30, 30};
    EXPECT_FALSE(form.MapToDevice(margin));

    Rect half{20, 60, 60, 100}; // half in the margin: cut to the printable area
    ASSERT_TRUE(form.MapToDevice(half));
    EXPECT_EQ(half, (Rect{0, 0, 20, 40}));

    Rect outside{500, 0, 600, 50};
    EXPECT_FALSE(form.MapToDevice(outside));
}

TEST(FormUnits, ZeroResolutionOrPrintableSizeMapsNothing)
{
    CFormUI form;
    form.SetAttribute("dpi", "0,0");
    form.SetSize(464, 580);
    EXPECT_EQ(form.GetPrintableWidthDots(), 0);
    EXPECT_EQ(form.GetPrintableHeightDots(), 0);
    Rect r{40, 80, 140, 130};
    EXPECT_FALSE(form.MapToDevice(r));

    CFormUI noRoom; // margins eat the whole width
    noRoom.SetPrintPadding({29, 10, 29, 10});
    noRoom.SetSize(464, 580);
    EXPECT_EQ(noRoom.GetPrintableWidthView(), 0);
    Rect s{40, 80, 140, 130};
    EXPECT_FALSE(noRoom.MapToDevice(s));
}

TEST(FormUnits, AbsurdSettingsNeitherCrashNorOverflow)
{
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    CFormUI form;
    form.SetPrintPadding({big, big, -big, big});
    form.SetDpi(3.0e38f, -3.0e38f);
    form.SetScreenDpi(0, big);
    form.SetSize(big, big);
    Rect r{std::numeric_limits<int32_t>::min(), 0, big, big};
    form.MapToDevice(r); // any answer, but defined behaviour (checked under the sanitizers)
    form.SetSize(-100, -100);
    EXPECT_EQ(form.GetPos(), (Rect{0, 0, 0, 0}));
    EXPECT_EQ(form.GetFixedWidth(), 10);
}

TEST(FormUnits, SizingTellsThePaintManager)
{
    CPaintManagerUI manager;
    CFormUI form;
    manager.AttachDialog(&form);
    form.SetSize(464, 580);
    EXPECT_EQ(manager.GetInitSize(), (platform::Size{464, 580}));
}
