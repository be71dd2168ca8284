#include "controls/AttributeValues.h"
#include "controls/PaintManagerUI.h"
#include "document/DesignerDoc.h"
#include "document/TemplateWriter.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/SampleNumbers.h"
#include "elements/TimeFormatList.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

using namespace MarkupUI;
using document::CDesignerDoc;

namespace {

// Builds varied templates the way a file or the designer would fill them:
// through the attribute vocabulary, with texts that need escaping.
class TemplateGenerator
{
public:
    explicit TemplateGenerator(unsigned seed) : m_random(seed) {}

    void Fill(CFormUI& form)
    {
        form.SetAttribute("model", Pick({"58", "80", "76"}));
        form.SetAttribute("printpadding", Rect(0, 20));
        form.SetAttribute("dpi", Pick({"203.2,406.4", "300.0,300.0", "180.5,203.2"}));
        form.SetAttribute("maxnum", Number(1, 60000));
        form.SetAttribute("cutoffnum", Number(0, 9999));
        form.SetAttribute("printcount", Number(1, 5));
        form.SetAttribute("department", Number(0, 255));
        form.SetAttribute("zeroing", Number(0, 1));
        form.SetAttribute("width", Number(300, 700));
        form.SetAttribute("height", Number(300, 1200));
        const int count = Int(0, 25);
        for (int i = 0; i < count; ++i) {
            AddElement(form, Int(kElementPicture, kElementCircle));
        }
    }

private:
    void AddElement(CFormUI& form, int kind)
    {
        ControlPtr element = CreateElement(kind, platform::Rect{});
        element->SetAttribute("name", Pick({"title", "logo", QString::fromUtf8("号码"), "line 2"}));
        element->SetAttribute("float", "true");
        element->SetAttribute("pos", QStringLiteral("%1,%2,0,0").arg(Int(0, 400)).arg(Int(0, 900)));
        element->SetAttribute("width", Number(1, 300));
        element->SetAttribute("height", Number(1, 120));
        if (Int(0, 1)) {
            element->SetAttribute("bordercolor", AttributeValues::FormatColor(Colour()));
            element->SetAttribute("bkcolor", AttributeValues::FormatColor(Colour()));
        }
        if (kind >= kElementHorizontalLine) {
            element->SetAttribute("bordersize", Number(1, 6));
        }
        if (kind == kElementPicture) {
            element->SetAttribute("bkimage", Pick({"logo.png", "file='a b.png' dest='0,0,40,20' fade='128'"}));
        }
        if (kind >= kElementText && kind <= kElementTime) {
            if (kind == kElementText) {
                element->SetAttribute("text", Pick({"Welcome", "a \"quoted\" <tag> & more",
                                                    QString::fromUtf8("欢迎光临\n第二行"), "&#x41; literal"}));
            }
            if (Int(0, 1)) {
                element->SetAttribute(
                    "font", QStringLiteral("name='%1' height='%2' charset='%3' bold='%4' underline='%5' italic='%6'")
                                .arg(Pick({"Arial", "Times New Roman", QString::fromUtf8("宋体")}))
                                .arg(Int(10, 60))
                                .arg(Pick({"0", "1", "134"}))
                                .arg(Pick({"true", "false"}), Pick({"true", "false"}), Pick({"true", "false"})));
            }
            element->SetAttribute("align", Pick({"vcenter", "right", "center", "rightbottom", "vcenterwrap"}));
            if (kind == kElementTime) {
                element->SetAttribute("timeformat", TimeFormatList::At(Int(0, TimeFormatList::kCount - 1)));
            } else if (kind != kElementText) {
                element->SetAttribute("num_length", Number(1, 6));
            }
        }
        form.Add(element.get());
    }

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    QString Number(int low, int high) { return QString::number(Int(low, high)); }
    QString Rect(int low, int high)
    {
        return QStringLiteral("%1,%2,%3,%4").arg(Int(low, high)).arg(Int(low, high)).arg(Int(low, high)).arg(
            Int(low, high));
    }
    uint32_t Colour() { return std::uniform_int_distribution<uint32_t>(1, 0xFFFFFFFF)(m_random); }
    QString Pick(std::initializer_list<QString> choices)
    {
        return *(choices.begin() + Int(0, int(choices.size()) - 1));
    }

    std::mt19937 m_random;
};

// The written markup, less the sample text of time elements: that shows the
// moment each element was made and may differ by a second between the two.
QString Markup(const CDesignerDoc& doc)
{
    QString markup = QString::fromUtf8(
        document::WriteTemplateMarkup(*doc.GetForm(), *doc.GetPaintManager(), doc.GetDirectory()));
    static const QRegularExpression timeText(QStringLiteral("(<Time [^>]*?)text=\"[^\"]*\" "));
    return markup.replace(timeText, QStringLiteral("\\1"));
}

} // namespace

TEST(TemplateRoundTrip, EverySavedAttributeReadsBackTheSame)
{
    QTemporaryDir dir;
    SampleNumbers::SetQueuing(123);
    SampleNumbers::SetWaiting(7);
    SampleNumbers::SetCurrent(99);
    for (unsigned seed = 1; seed <= 60; ++seed) {
        const QString path = dir.filePath(QStringLiteral("t%1.vt").arg(seed));
        CDesignerDoc original;
        original.OnNewDocument();
        TemplateGenerator(seed).Fill(*original.GetForm());
        original.GetPaintManager()->AddFont("Arial", 14 + int(seed % 5), seed % 2 == 0, false, false);
        ASSERT_TRUE(original.OnSaveDocument(path)) << seed;
        const QString written = Markup(original);

        CDesignerDoc reopened;
        ASSERT_TRUE(reopened.OnOpenDocument(path));
        ASSERT_TRUE(reopened.OpenWarnings().isEmpty()) << seed << reopened.OpenWarnings().join(' ').toStdString();
        ASSERT_EQ(reopened.GetForm()->GetCount(), original.GetForm()->GetCount()) << seed;
        EXPECT_EQ(Markup(reopened), written) << "seed " << seed;
        for (int i = 0; i < original.GetForm()->GetCount(); ++i) {
            CControlUI* before = original.GetForm()->GetItemAt(i);
            CControlUI* after = reopened.GetForm()->GetItemAt(i);
            EXPECT_EQ(after->GetClass(), before->GetClass());
            if (after->GetElementKind() != kElementTime) {
                EXPECT_EQ(after->GetText(), before->GetText()) << seed;
            }
            EXPECT_EQ(after->GetFixedXY(), before->GetFixedXY());
        }
    }
}

TEST(TemplateRoundTrip, DocumentedExceptionsReadBackAsDefaults)
{
    QTemporaryDir dir;
    CDesignerDoc doc;
    doc.OnNewDocument();
    ControlPtr line = CreateElement(kElementVerticalLine, {5, 5, 8, 100});
    line->SetBorderSize(0);
    doc.GetForm()->Add(line.get());
    SampleNumbers::SetWaiting(0);
    ControlPtr waiting = CreateElement(kElementWaitingCount, {5, 5, 60, 30});
    doc.GetForm()->Add(waiting.get());
    SampleNumbers::SetWaiting(0);
    ASSERT_TRUE(doc.OnSaveDocument(dir.filePath("x.vt")));

    CDesignerDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(dir.filePath("x.vt")));
    EXPECT_EQ(reopened.GetForm()->GetItemAt(0)->GetBorderSize(), 1);
    EXPECT_NE(SampleNumbers::Waiting(), 0) << "a waiting count read without a sample draws a new one";
}
