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

QString Classes(const std::vector<QString>& positions)
{
    QString text;
    for (const QString& position : positions) {
        text += position.size() == 10 ? QChar(u'#') : position.front();
    }
    return text;
}

} // namespace

TEST(WorstCasePositions, FollowTheDigitsAndTheTimeFormats)
{
    struct Case
    {
        int kind;
        int numLength;
        int ending;
        int format;
        const char* expected;
    };
    const Case cases[] = {
        {kElementQueuingNum, 4, 9999, 0, "####"},
        {kElementQueuingNum, 3, 9999, 0, "####"}, // the ending number needs four
        {kElementCurrentNum, 5, 999, 0, "#####"},
        {kElementQueuingNum, 4, 70000, 0, "####"}, // the printer gets 4464
        {kElementWaitingCount, 2, 9999, 0, "##"},
        {kElementWaitingCount, 0, 9999, 0, "#"},
        {kElementTime, 4, 9999, 0, "####-##-## ##:##:##"},
        {kElementTime, 4, 9999, 1, "##/##/## ##:##:##"},
        {kElementTime, 4, 9999, 4, "##:##:##"},
        {kElementTime, 4, 9999, 5, "####"},
        {kElementTime, 4, 9999, 10, "##"},
        {kElementTime, 4, 9999, 11, ""},
        {kElementText, 4, 9999, 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Classes(check::WorstCasePositions(c.kind, c.numLength, c.ending, c.format)),
                  QString::fromLatin1(c.expected))
            << c.kind << " " << c.numLength << " " << c.format;
    }
}

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
    const QString set = device::GlyphCharacters(kElementTime, 0);

    const std::vector<QString> positions = check::WorstCasePositions(kElementTime, 4, 9999, 0);
    const check::FieldWidth width = check::MeasureFieldWidth(time, positions, set, area);

    int widestDigit = 0;
    int expected = 0;
    for (const QChar c : QStringLiteral("0123456789")) {
        widestDigit = std::max(widestDigit, device::RenderGlyph(time, c, area).width);
    }
    for (const QChar c : QStringLiteral("0000-00-00 00:00:00")) {
        expected += c == u'0' ? widestDigit : device::RenderGlyph(time, c, area).width;
    }
    EXPECT_EQ(width.positions, 19);
    EXPECT_EQ(width.worstWidthDots, expected);
    EXPECT_EQ(width.widestGlyphDots, widestDigit);
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
    const check::FieldWidth width = check::MeasureFieldWidth(
        label, check::WorstCasePositions(kElementWaitingCount, 2, 9999, 0),
        device::GlyphCharacters(kElementWaitingCount), AreaOf(page.Form()));
    // The blank is narrower than a digit, so two digits overfill the box
    // the blank and the seven fill.
    EXPECT_GT(width.worstWidthDots, width.sampleWidthDots);
    EXPECT_GT(width.worstWidthDots, 80);
}
