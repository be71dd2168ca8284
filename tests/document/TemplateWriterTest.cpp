#include "controls/PaintManagerUI.h"
#include "controls/UserDefineUI.h"
#include "document/DesignerDoc.h"
#include "document/MarkupWriter.h"
#include "document/TemplateWriter.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/SampleNumbers.h"
#include "platform/DrawTextFlags.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

using namespace MarkupUI;
using document::CDesignerDoc;

namespace {

// The markup of one element written on its own, as the clipboard does.
QString ElementMarkup(CControlUI* control, const QString& directory = QString())
{
    TiXmlDocument xml;
    TiXmlElement* form = document::AppendElement(xml, QStringLiteral("Form"));
    document::SaveProperties(control, *form, directory);
    return QString::fromUtf8(document::PrintMarkup(*form->FirstChildElement()));
}

QString FormMarkup(CDesignerDoc& doc)
{
    return QString::fromUtf8(
        document::WriteTemplateMarkup(*doc.GetForm(), *doc.GetPaintManager(), doc.GetDirectory()));
}

} // namespace

TEST(TemplateWriter, NewDocumentWithOneTextElementPrintsExactly)
{
    CDesignerDoc doc;
    doc.OnNewDocument();
    document::ShowAsDesignView(doc);
    ControlPtr text = CreateElement(kElementText, {16, 20, 216, 60});
    doc.GetForm()->Add(text.get());
    doc.GetForm()->SetPos(doc.GetForm()->GetPos()); // the view lays the page out again
    auto* label = static_cast<CDesignLabelUI*>(text.get());
    ASSERT_TRUE(label->HasOwnFont()) << "placing a text element fits its font";
    const platform::FontDescription& font = label->GetFontDescription();

    const QString expected =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?>\n"
                       "<Window>\n"
                       "\t<Form width=\"464\" height=\"580\" printpadding=\"5,10,5,10\" dpi=\"203.2,406.4\" "
                       "model=\"58\">\n"
                       "\t\t<TextEdit text=\"%1\" float=\"true\" pos=\"16,20,0,0\" width=\"200\" height=\"40\" "
                       "font=\"name=&apos;%2&apos; height=&apos;%3&apos; charset=&apos;1&apos; bold=&apos;false&apos; "
                       "underline=&apos;false&apos; italic=&apos;false&apos;\" align=\"vcenter\" />\n"
                       "\t</Form>\n"
                       "</Window>\n")
            .arg(label->GetText(), font.FaceName())
            .arg(-font.height);
    EXPECT_EQ(FormMarkup(doc), expected);
    EXPECT_GE(-font.height, 10);
}

TEST(TemplateWriter, FormWritesOnlyWhatDiffersFromItsDefaults)
{
    CFormUI form;
    form.SetSize(464, 580);
    EXPECT_EQ(ElementMarkup(&form),
              "<Form width=\"464\" height=\"580\" printpadding=\"5,10,5,10\" dpi=\"203.2,406.4\" model=\"58\" />\n");
    form.SetCutoffNum(9999);
    form.SetMaxNum(500);
    form.SetZeroing(1);
    form.SetPrintCount(2);
    form.SetDepartment(3);
    form.SetName("page");
    form.SetBkColor(0xFFFFFFFF);
    form.SetDpi(0.0f, 0.0f);
    form.SetModel("80");
    EXPECT_EQ(ElementMarkup(&form),
              "<Form name=\"page\" width=\"464\" height=\"580\" bkcolor=\"#FFFFFFFF\" zeroing=\"1\" maxnum=\"500\" "
              "cutoffnum=\"9999\" printcount=\"2\" department=\"3\" printpadding=\"5,10,5,10\" model=\"80\" />\n");
}

TEST(TemplateWriter, AlignmentIsWrittenFromTheTextStyle)
{
    ControlPtr text = CreateElement(kElementText, {0, 0, 100, 20});
    auto* label = static_cast<CDesignLabelUI*>(text.get());
    const auto alignOf = [&](uint32_t style) {
        label->SetTextStyle(style);
        const QString markup = ElementMarkup(text.get());
        const qsizetype at = markup.indexOf(QStringLiteral("align=\""));
        return at < 0 ? QString() : markup.mid(at + 7, markup.indexOf(u'"', at + 7) - at - 7);
    };
    EXPECT_EQ(alignOf(0x25), QStringLiteral("vcenter"));
    EXPECT_EQ(alignOf(0x24), QStringLiteral("vcenter")); // left-aligned reads back centred
    EXPECT_EQ(alignOf(platform::DT_RIGHT | platform::DT_VCENTER), QStringLiteral("right"));
    EXPECT_EQ(alignOf(platform::DT_BOTTOM | platform::DT_WORDBREAK), QStringLiteral("bottomwrap"));
    EXPECT_EQ(alignOf(platform::DT_CENTER), QString());
}

TEST(TemplateWriter, ShapesWithoutBorderAndPicturesInTheTemplateFolder)
{
    ControlPtr line = CreateElement(kElementHorizontalLine, {10, 10, 110, 13});
    line->SetBorderSize(0);
    EXPECT_EQ(ElementMarkup(line.get()),
              "<HorzontalLine float=\"true\" pos=\"10,10,0,0\" width=\"100\" height=\"3\" />\n");

    ControlPtr picture = CreateElement(kElementPicture, {0, 0, 50, 50});
    picture->SetBkImage("file='/home/op/tickets/logo.png' dest='0,0,50,50'");
    EXPECT_EQ(ElementMarkup(picture.get(), "/home/op/tickets/"),
              "<Picture float=\"true\" pos=\"0,0,0,0\" width=\"50\" height=\"50\" "
              "bkimage=\"file=&apos;logo.png&apos; dest=&apos;0,0,50,50&apos;\" />\n");
}

TEST(TemplateWriter, NumberSamplesAreWrittenOnlyWhenSet)
{
    SampleNumbers::SetWaiting(0);
    ControlPtr waiting = CreateElement(kElementWaitingCount, {0, 0, 40, 20});
    SampleNumbers::SetWaiting(0);
    EXPECT_EQ(ElementMarkup(waiting.get()).indexOf("waitingcount="), -1);
    SampleNumbers::SetWaiting(12);
    EXPECT_NE(ElementMarkup(waiting.get()).indexOf("waitingcount=\"12\" num_length=\"2\""), -1);
}

TEST(TemplateWriter, FontsDifferingOnlyInCaseAreWrittenOnce)
{
    CDesignerDoc doc;
    doc.OnNewDocument();
    doc.GetPaintManager()->AddFont("Arial", 20, true, false, false);
    doc.GetPaintManager()->AddFont("ARIAL", 20, true, false, false);
    doc.GetPaintManager()->AddFont("Arial", 16, false, false, true);
    doc.GetPaintManager()->SetDefaultFont("Arial", 16, false, false, true);
    doc.GetPaintManager()->AddDefaultAttributeList("TextEdit", "align=\"right\"");
    const QString markup = FormMarkup(doc);
    EXPECT_EQ(markup.count("<Font "), 2);
    EXPECT_NE(markup.indexOf("<Font name=\"Arial\" size=\"20\" bold=\"true\" italic=\"false\" />"), -1);
    EXPECT_NE(markup.indexOf("<Font name=\"Arial\" size=\"16\" bold=\"false\" italic=\"true\" default=\"true\" />"),
              -1);
    EXPECT_NE(markup.indexOf("<Default name=\"TextEdit\" value=\"align=&quot;right&quot;\" />"), -1);
}

TEST(TemplateWriter, UnknownElementsKeepTheirTagAndAttributes)
{
    ControlPtr barcode(new CUserDefineUI("Barcode"));
    barcode->SetAttribute("symbology", "qr");
    barcode->SetAttribute("data", "a\"b");
    EXPECT_EQ(ElementMarkup(barcode.get()), "<Barcode data=\"a&quot;b\" symbology=\"qr\" />\n");
}
