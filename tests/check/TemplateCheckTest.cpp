#include "CheckTestPage.h"

#include "check/TemplateCheck.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/TimeUI.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

using namespace MarkupUI;
using check::Finding;
using check::Severity;
using checktest::Page;

namespace {

const QString kFont = QStringLiteral("name='Liberation Sans' height='20'");
// Fields in a face whose digits, separators and space are one width.
const QString kFieldFont = QStringLiteral("name='Liberation Mono' height='20'");

CControlUI* AddField(Page& page, int kind, const platform::Rect& rect)
{
    CControlUI* field = page.Add(kind, rect);
    field->SetAttribute(QStringLiteral("font"), kFieldFont);
    return field;
}

CControlUI* AddTicketNumber(Page& page, const platform::Rect& rect, const QString& sample = QStringLiteral("123"))
{
    CControlUI* field = AddField(page, kElementQueuingNum, rect);
    field->SetAttribute(QStringLiteral("queuingnum"), sample);
    return field;
}

CControlUI* AddTime(Page& page, const platform::Rect& rect, int format)
{
    CControlUI* field = AddField(page, kElementTime, rect);
    static_cast<CTimeUI*>(field)->SetFormatIndex(format);
    return field;
}

CControlUI* AddText(Page& page, const platform::Rect& rect, const QString& text)
{
    CControlUI* element = page.Add(kElementText, rect);
    element->SetAttribute(QStringLiteral("font"), kFont);
    element->SetText(text);
    return element;
}

CControlUI* AddPicture(Page& page, const platform::Rect& rect, const QString& name)
{
    CControlUI* picture = page.Add(kElementPicture, rect);
    picture->SetAttribute(QStringLiteral("bkimage"), name);
    return picture;
}

// Every kind of element, inside the printable area (40..424 across, 80..500
// down), none over another, each large enough to read.
void BuildCleanTicket(Page& page)
{
    page.PutImage(QStringLiteral("logo.png"), checktest::StripedImage(64, 32));
    AddPicture(page, {60, 90, 188, 154}, QStringLiteral("logo.png"));
    AddText(page, {60, 170, 400, 200}, QStringLiteral("Welcome"));
    AddTicketNumber(page, {100, 220, 220, 260});
    AddTime(page, {60, 300, 260, 330}, 2);
    page.Add(kElementHorizontalLine, {60, 350, 400, 354});
    page.Add(kElementRectangle, {60, 370, 400, 480});
}

const Finding* FindCode(const std::vector<Finding>& findings, const QString& code)
{
    for (const Finding& finding : findings) {
        if (finding.code == code) {
            return &finding;
        }
    }
    return nullptr;
}

double ValueOf(const Finding& finding, const QString& key)
{
    for (const check::FindingValue& value : finding.values) {
        if (value.key == key) {
            return value.value;
        }
    }
    ADD_FAILURE() << "no value " << key.toStdString() << " in " << finding.code.toStdString();
    return -1;
}

QString Describe(const std::vector<Finding>& findings)
{
    QString text;
    for (const Finding& finding : findings) {
        text += QStringLiteral("[%1 %2 #%3] ").arg(check::SeverityKey(finding.severity), finding.code)
                    .arg(finding.elementIndex);
    }
    return text;
}

struct FaultCase
{
    const char* name;
    std::function<void(Page&)> build;
    const char* code;
    Severity severity;
    int elementIndex;
};

void AddManyTimeFields(Page& page, int count)
{
    for (int i = 0; i < count; ++i) {
        AddTime(page, {60, 90, 260, 120}, 4);
    }
}

const FaultCase kFaults[] = {
    {"NumberLengthShorterThanEndingNumber",
     [](Page& page) {
         AddTicketNumber(page, {100, 100, 220, 140})->SetAttribute(QStringLiteral("num_length"),
                                                                   QStringLiteral("3"));
     },
     "number-length-short", Severity::Error, 0},
    {"TimeFieldWiderThanItsBox",
     [](Page& page) {
         // A stored text shorter than the format: the glyphs are scaled to
         // fill the box with it, the printer prints all 19 characters.
         AddTime(page, {60, 100, 260, 130}, 0)->SetText(QStringLiteral("12:00"));
     },
     "field-overflow", Severity::Error, 0},
    {"WaitingCountPaddedWithABlank",
     [](Page& page) {
         // In a face whose blank is narrower than its digits.
         CControlUI* field = AddField(page, kElementWaitingCount, {100, 100, 180, 140});
         field->SetAttribute(QStringLiteral("font"), kFont);
         field->SetAttribute(QStringLiteral("waitingcount"), QStringLiteral("7"));
     },
     "field-overflow", Severity::Error, 0},
    {"FieldWithoutText",
     [](Page& page) { AddTime(page, {60, 100, 260, 130}, 2)->SetText(QString()); },
     "glyphs-empty", Severity::Error, 0},
    {"GlyphsBeyondTheCellLimit",
     [](Page& page) { AddTicketNumber(page, {50, 100, 410, 200}); },
     "glyph-shrunk", Severity::Warning, 0},
    {"TwoTicketNumbers",
     [](Page& page) {
         AddTicketNumber(page, {100, 100, 220, 140});
         AddTicketNumber(page, {100, 300, 220, 340});
     },
     "duplicate-number-field", Severity::Error, 0},
    {"MoreTimeFieldsThanThePrinterCounts", [](Page& page) { AddManyTimeFields(page, 129); },
     "time-field-limit", Severity::Error, 128},
    {"MoreGlyphSetsThanThePrinterCounts",
     [](Page& page) {
         AddManyTimeFields(page, 128);
         for (int i = 0; i < 128; ++i) {
             AddTicketNumber(page, {100, 300, 220, 340});
         }
     },
     "glyph-set-limit", Severity::Error, 255},
    {"FieldInTheMargin", [](Page& page) { AddTicketNumber(page, {100, 10, 220, 50}); }, "outside-printable",
     Severity::Error, 0},
    {"ShapeInTheMargin", [](Page& page) { page.Add(kElementRectangle, {0, 0, 30, 30}); }, "outside-printable",
     Severity::Error, 0},
    {"ShapeAcrossTheMargin", [](Page& page) { page.Add(kElementRectangle, {20, 100, 100, 150}); },
     "partly-outside", Severity::Warning, 0},
    {"LineThinnerThanADot",
     [](Page& page) {
         // Twice the view units for the same paper: half a dot a unit across.
         page.Form().SetSize(928, 1160);
         page.Add(kElementVerticalLine, {300, 300, 310, 500});
     },
     "thin-stroke", Severity::Warning, 0},
    {"YellowRectangle",
     [](Page& page) {
         page.Add(kElementRectangle, {100, 100, 200, 200})
             ->SetAttribute(QStringLiteral("bordercolor"), QStringLiteral("#FFFFFF00"));
     },
     "light-stroke", Severity::Warning, 0},
    {"TinyText", [](Page& page) { AddText(page, {60, 100, 400, 105}, QStringLiteral("Small print")); },
     "text-illegible", Severity::Warning, 0},
    {"TinyTicketNumber", [](Page& page) { AddTicketNumber(page, {100, 100, 124, 106}); }, "glyphs-illegible",
     Severity::Warning, 0},
    {"LightGreyPicture",
     [](Page& page) {
         page.PutImage(QStringLiteral("grey.png"), checktest::PlainImage(40, 20, qRgb(200, 200, 200)));
         AddPicture(page, {60, 100, 140, 140}, QStringLiteral("grey.png"));
     },
     "picture-washed-out", Severity::Warning, 0},
    {"DarkPicture",
     [](Page& page) {
         page.PutImage(QStringLiteral("dark.png"), checktest::PlainImage(40, 20, qRgb(40, 30, 60)));
         AddPicture(page, {60, 100, 140, 140}, QStringLiteral("dark.png"));
     },
     "picture-blacked-out", Severity::Warning, 0},
    {"PictureNamingAMissingFile",
     [](Page& page) { AddPicture(page, {60, 100, 140, 140}, QStringLiteral("file='gone.png' fade='200'")); },
     "image-missing", Severity::Error, 0},
    {"PictureThatCannotBeDecoded",
     [](Page& page) {
         page.PutBytes(QStringLiteral("broken.png"), QByteArray("\x89PNG not really", 15));
         AddPicture(page, {60, 100, 140, 140}, QStringLiteral("broken.png"));
     },
     "image-unreadable", Severity::Error, 0},
    {"NumberOverARectangle",
     [](Page& page) {
         page.Add(kElementRectangle, {110, 110, 200, 130});
         AddTicketNumber(page, {100, 100, 220, 140});
     },
     "field-over-ink", Severity::Warning, 1},
    {"NoPrintableArea",
     [](Page& page) {
         page.Form().SetPrintPadding(platform::Rect{30, 10, 30, 10});
         page.Form().SetSize(464, 580);
     },
     "page-not-rendered", Severity::Error, -1},
    {"EndingNumberPastSixteenBits", [](Page& page) { page.Form().SetMaxNum(70000); }, "number-range",
     Severity::Error, -1},
};

void PrintTo(const FaultCase& fault, std::ostream* out)
{
    *out << fault.name;
}

class TemplateFaults : public ::testing::TestWithParam<FaultCase>
{
};

} // namespace

TEST_P(TemplateFaults, AreFoundWithTheirSeverityAndElement)
{
    const FaultCase& fault = GetParam();
    Page page;
    fault.build(page);
    const std::vector<Finding> findings = check::CheckTemplate(page.Form());
    const Finding* found = nullptr;
    for (const Finding& finding : findings) {
        if (finding.code == QLatin1String(fault.code) && finding.elementIndex == fault.elementIndex) {
            found = &finding;
        }
    }
    ASSERT_NE(found, nullptr) << fault.code << " not among " << Describe(findings).toStdString();
    EXPECT_EQ(found->severity, fault.severity);
    EXPECT_FALSE(found->message.isEmpty());
    if (fault.elementIndex >= 0) {
        const CControlUI& element = *page.Form().GetItemAt(fault.elementIndex);
        EXPECT_EQ(found->elementKind, element.GetElementKind());
        EXPECT_EQ(found->rect, element.GetPos());
    } else {
        EXPECT_EQ(found->elementKind, kElementForm);
    }
    if (fault.severity == Severity::Error) {
        EXPECT_TRUE(check::HasErrors(findings));
    }
}

INSTANTIATE_TEST_SUITE_P(Check, TemplateFaults, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<FaultCase>& param) { return param.param.name; });

TEST(TemplateCheck, ACleanTicketHasNoFindings)
{
    Page page;
    BuildCleanTicket(page);
    const std::vector<Finding> findings = check::CheckTemplate(page.Form());
    EXPECT_TRUE(findings.empty()) << Describe(findings).toStdString();
    EXPECT_FALSE(check::HasErrors(findings));
}

TEST(TemplateCheck, AnEmptyTemplateHasNoFindings)
{
    Page page;
    EXPECT_TRUE(check::CheckTemplate(page.Form()).empty());
}

TEST(TemplateCheck, AnOverflowStatesTheWidthsInDots)
{
    Page page;
    AddTime(page, {60, 100, 260, 130}, 0)->SetText(QStringLiteral("12:00"));
    const std::vector<Finding> findings = check::CheckTemplate(page.Form());
    const Finding* overflow = FindCode(findings, QStringLiteral("field-overflow"));
    ASSERT_NE(overflow, nullptr);
    EXPECT_EQ(ValueOf(*overflow, QStringLiteral("positions")), 19);
    EXPECT_EQ(ValueOf(*overflow, QStringLiteral("field_width_dots")), 200);
    // Five characters fill the box, so nineteen take well over three boxes.
    EXPECT_GT(ValueOf(*overflow, QStringLiteral("worst_case_width_dots")), 3 * 200);
    EXPECT_TRUE(check::HasErrors(findings));
}

TEST(TemplateCheck, ShrunkGlyphsStateTheFactorTheLimitApplied)
{
    Page page;
    AddTicketNumber(page, {50, 100, 410, 200});
    const std::vector<Finding> findings = check::CheckTemplate(page.Form());
    const Finding* shrunk = FindCode(findings, QStringLiteral("glyph-shrunk"));
    ASSERT_NE(shrunk, nullptr);
    const double factor = ValueOf(*shrunk, QStringLiteral("shrink_factor"));
    EXPECT_GT(factor, 0.0);
    EXPECT_LT(factor, 1.0);
    EXPECT_LT(ValueOf(*shrunk, QStringLiteral("printed_height_dots")),
              ValueOf(*shrunk, QStringLiteral("designed_height_dots")));
}

TEST(TemplateCheck, TheEarlierOfTwoNumbersIsReportedAndTheLaterKept)
{
    Page page;
    AddTicketNumber(page, {100, 100, 220, 140});
    AddTicketNumber(page, {100, 300, 220, 340});
    const std::vector<Finding> findings = check::CheckTemplate(page.Form());
    int duplicates = 0;
    for (const Finding& finding : findings) {
        if (finding.code == QLatin1String("duplicate-number-field")) {
            ++duplicates;
            EXPECT_EQ(finding.elementIndex, 0);
            EXPECT_EQ(ValueOf(finding, QStringLiteral("kept_element_index")), 1);
        }
    }
    EXPECT_EQ(duplicates, 1);
}

TEST(TemplateCheck, APictureDrawnFromTheArchiveIsNotReportedMissing)
{
    Page page;
    page.PutImage(QStringLiteral("logo.png"), checktest::StripedImage(64, 32));
    AddPicture(page, {60, 100, 188, 164}, QStringLiteral("file='logo.png' dest='0,0,64,32'"));
    const std::vector<Finding> findings = check::CheckTemplate(page.Form());
    EXPECT_EQ(FindCode(findings, QStringLiteral("image-missing")), nullptr) << Describe(findings).toStdString();
    EXPECT_EQ(FindCode(findings, QStringLiteral("image-unreadable")), nullptr);
}

TEST(TemplateCheck, AnUnsizedFormIsCheckedWithoutHarm)
{
    // A form never shown: no printable area, no paint manager.
    FormPtr form(new CFormUI);
    ControlPtr field = CreateElement(kElementQueuingNum, {0, 0, 100, 40});
    form->Add(field.get());
    ControlPtr picture = CreateElement(kElementPicture, {0, 0, 100, 40});
    picture->SetAttribute(QStringLiteral("bkimage"), QStringLiteral("x.png"));
    form->Add(picture.get());
    const std::vector<Finding> findings = check::CheckTemplate(*form);
    EXPECT_NE(FindCode(findings, QStringLiteral("page-not-rendered")), nullptr);
    EXPECT_TRUE(check::HasErrors(findings));
}

TEST(TemplateCheck, SeverityKeysAreStable)
{
    EXPECT_EQ(check::SeverityKey(Severity::Error), QStringLiteral("error"));
    EXPECT_EQ(check::SeverityKey(Severity::Warning), QStringLiteral("warning"));
    EXPECT_EQ(check::SeverityKey(Severity::Note), QStringLiteral("note"));
}
