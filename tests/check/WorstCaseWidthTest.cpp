#include "CheckTestPage.h"

#include "check/WorstCaseWidth.h"
#include "device/GlyphRaster.h"
#include "device/UploadEncoder.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/TimeUI.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace MarkupUI;
using checktest::Page;

namespace {

device::PrintableArea AreaOf(const CFormUI& form)
{
    return device::PrintableArea{form.GetPrintableWidthDots(), form.GetPrintableHeightDots(),
                                 form.GetPrintableWidthView(), form.GetPrintableHeightView()};
}

device::PlannedField OnlyField(CFormUI& form)
{
    const device::UploadPlan plan = device::PlanUpload(form);
    return plan.fields.empty() ? device::PlannedField{} : plan.fields.front();
}

} // namespace

// The widest value of a time field in two fonts, against the glyphs the
// upload renders for every character of its set.
class TimeFieldWorstCase : public ::testing::TestWithParam<const char*>
{
};

TEST_P(TimeFieldWorstCase, IsTheWidestRenderedGlyphInEveryPosition)
{
    Page page;
    ControlPtr element = CreateElement(kElementTime, {60, 100, 300, 130});
    page.Form().Add(element.get());
    page.Form().SetPos(page.Form().GetPos());
    auto& time = static_cast<CTimeUI&>(*element);
    time.SetAttribute(QStringLiteral("font"), QStringLiteral("name='%1' height='20'").arg(GetParam()));
    time.SetText(QStringLiteral("2024-03-01 08:30:00"));
    const device::PrintableArea area = AreaOf(page.Form());
    const check::FieldWidth width = check::MeasureFieldWidth(time, OnlyField(page.Form()), 9999, area);

    // The printer advances over the space, which has no glyph, as far as
    // the widest glyph of the set.
    int widestDigit = 0;
    int widestGlyph = 0;
    for (const QChar c : device::GlyphCharacters(kElementTime, 0)) {
        const int glyphWidth = device::RenderGlyph(time, c, area).width;
        widestGlyph = std::max(widestGlyph, glyphWidth);
        widestDigit = c.isDigit() ? std::max(widestDigit, glyphWidth) : widestDigit;
    }
    int expected = 0;
    for (const QChar c : QStringLiteral("0000-00-00 00:00:00")) {
        expected += c == u'0' ? widestDigit : c == u' ' ? widestGlyph : device::RenderGlyph(time, c, area).width;
    }
    EXPECT_EQ(width.positions, 19);
    EXPECT_EQ(width.worstWidthDots, expected);
    EXPECT_EQ(width.widestGlyphDots, widestGlyph);
    EXPECT_EQ(width.worstText.size(), 19);
    EXPECT_EQ(width.worstText.mid(4, 1), QStringLiteral("-"));
    EXPECT_TRUE(width.worstText.at(0).isDigit());
    // The sample's own digits are never wider than the widest.
    EXPECT_GE(width.worstWidthDots, width.sampleWidthDots);
    EXPECT_FALSE(width.glyphsEmpty);
    EXPECT_EQ(width.shrinkFactor, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Fonts, TimeFieldWorstCase,
                         ::testing::Values("Liberation Sans", "Liberation Serif", "WenQuanYi Micro Hei"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             QString name = QString::fromLatin1(param.param);
                             name.remove(QLatin1Char(' '));
                             return name.toStdString();
                         });

TEST(FieldWorstCase, ABlankPaddedSampleLeavesTheWidestValueWider)
{
    Page page;
    ControlPtr element = CreateElement(kElementWaitingCount, {100, 100, 180, 140});
    page.Form().Add(element.get());
    page.Form().SetPos(page.Form().GetPos());
    auto& label = static_cast<CDesignLabelUI&>(*element);
    label.SetAttribute(QStringLiteral("font"), QStringLiteral("name='Liberation Sans' height='20'"));
    label.SetText(QStringLiteral(" 7"));
    const check::FieldWidth width =
        check::MeasureFieldWidth(label, OnlyField(page.Form()), 9999, AreaOf(page.Form()));
    // The blank is narrower than a digit, so two digits overfill the box
    // the blank and the seven fill.
    EXPECT_GT(width.worstWidthDots, 80);
    EXPECT_GT(width.cutWidthDots, 0);
}
