#include "elements/FormUI.h"
#include "platform/MulDiv.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

using namespace MarkupUI;
using platform::Rect;

TEST(FormAttributes, OwnNamesIgnoreCaseAndNumbersMayBeHexadecimal)
{
    CFormUI form;
    form.SetAttribute("MaxNum", "#FF");
    form.SetAttribute("CUTOFFNUM", " 12");
    form.SetAttribute("printcount", "#a");
    form.SetAttribute("department", "  #10");
    form.SetAttribute("zeroing", "#1"); // decimal only
    EXPECT_EQ(form.GetMaxNum(), 255);
    EXPECT_EQ(form.GetCutoffNum(), 12);
    EXPECT_EQ(form.GetPrintCount(), 10);
    EXPECT_EQ(form.GetDepartment(), 16);
    EXPECT_EQ(form.GetZeroing(), 0);
    form.SetAttribute("Zeroing", "7");
    EXPECT_EQ(form.GetZeroing(), 7);
    form.SetAttribute("MODEL", "80");
    EXPECT_EQ(form.GetPaperWidthMm(), 80);
}

TEST(FormAttributes, SizeAndPosResizeTheForm)
{
    CFormUI form;
    form.SetAttribute("size", "464,580");
    EXPECT_EQ(form.GetPrintableWidthDots(), 384);
    form.SetAttribute("pos", "10,20,650,820");
    EXPECT_EQ(form.GetPos(), (Rect{0, 0, 640, 800}));
    // The base names set only the fixed size.
    form.SetAttribute("width", "300");
    EXPECT_EQ(form.GetPos(), (Rect{0, 0, 640, 800}));
    EXPECT_EQ(form.GetFixedWidth(), 300);
}

TEST(FormAttributes, PrintPaddingWaitsForTheNextSizing)
{
    CFormUI form;
    form.SetSize(464, 580);
    form.SetAttribute("printpadding", "10,10,10,10");
    EXPECT_EQ(form.GetPrintPadding(), (Rect{10, 10, 10, 10}));
    EXPECT_EQ(form.GetMargins().left, 40);
    form.SetSize(464, 580);
    EXPECT_EQ(form.GetMargins().left, 80);
    EXPECT_EQ(form.GetPrintableWidthDots(), platform::MulDiv(38, 2032, 254));
}

TEST(FormAttributes, ResolutionIsReadTheSameUnderEveryLocale)
{
    for (const char* locale : {"C", "de_DE.UTF-8", "zh_CN.UTF-8"}) {
        testsupport::LocaleGuard guard(locale);
        CFormUI form;
        form.SetAttribute("dpi", "203.2,406.4");
        EXPECT_FLOAT_EQ(form.GetDpiX(), 203.2f) << locale;
        EXPECT_FLOAT_EQ(form.GetDpiY(), 406.4f) << locale;
        form.SetAttribute("dpi", "300");
        EXPECT_FLOAT_EQ(form.GetDpiX(), 300.0f);
        EXPECT_FLOAT_EQ(form.GetDpiY(), 0.0f);
        form.SetAttribute("dpi", "1e300,x");
        EXPECT_GT(form.GetDpiX(), 1e38f); // clamped into a float, not undefined
    }
}

TEST(FormAttributes, OtherNamesGoToTheBaseCaseSensitively)
{
    CFormUI form;
    form.SetAttribute("bkcolor", "#FFFFFFFF");
    form.SetAttribute("Name", "ignored");
    form.SetAttribute("name", "page");
    EXPECT_EQ(form.GetBkColor(), 0xFFFFFFFFu);
    EXPECT_EQ(form.GetName(), QStringLiteral("page"));
    EXPECT_EQ(form.GetInterface("Form"), &form);
    EXPECT_EQ(form.GetInterface("IContainer"), static_cast<IContainerUI*>(&form));
    EXPECT_EQ(form.GetInterface("Control"), static_cast<CControlUI*>(&form));
}
