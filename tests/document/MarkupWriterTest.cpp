#include "document/MarkupWriter.h"
#include "controls/Markup.h"

#include <gtest/gtest.h>

using document::AppendElement;
using document::PrintMarkup;
using document::SetMarkupAttribute;
using MarkupUI::CMarkup;

namespace {

// Writes one attribute, reads the printed markup back and answers the value.
QString RoundTrip(const QString& value, QByteArray* printed = nullptr)
{
    TiXmlDocument document;
    TiXmlElement* window = document::StartMarkupDocument(document);
    TiXmlElement* form = AppendElement(*window, "Form");
    SetMarkupAttribute(*AppendElement(*form, "TextEdit"), "text", value);
    const QByteArray text = PrintMarkup(document);
    if (printed) {
        *printed = text;
    }
    CMarkup markup;
    EXPECT_TRUE(markup.LoadFromMem(text)) << markup.GetLastErrorMessage().toStdString();
    return markup.GetRoot().GetChild("Form").GetChild("TextEdit").GetAttributeValue("text");
}

TEST(MarkupWriterTest, PrintsOneElementALineIndentedByTabs)
{
    TiXmlDocument document;
    TiXmlElement* window = document::StartMarkupDocument(document);
    TiXmlElement* font = AppendElement(*window, "Font");
    SetMarkupAttribute(*font, "name", QString::fromUtf8("微软雅黑"));
    SetMarkupAttribute(*font, "size", "12");
    TiXmlElement* form = AppendElement(*window, "Form");
    SetMarkupAttribute(*form, "width", "464");
    SetMarkupAttribute(*form, "height", "580");
    SetMarkupAttribute(*form, "model", "58");
    TiXmlElement* text = AppendElement(*form, "TextEdit");
    SetMarkupAttribute(*text, "text", "Welcome");
    SetMarkupAttribute(*text, "pos", "16,20,0,0");
    AppendElement(*form, "HorzontalLine");

    EXPECT_EQ(PrintMarkup(document).toStdString(),
              "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?>\n"
              "<Window>\n"
              "\t<Font name=\"微软雅黑\" size=\"12\" />\n"
              "\t<Form width=\"464\" height=\"580\" model=\"58\">\n"
              "\t\t<TextEdit text=\"Welcome\" pos=\"16,20,0,0\" />\n"
              "\t\t<HorzontalLine />\n"
              "\t</Form>\n"
              "</Window>\n");
}

TEST(MarkupWriterTest, EveryValueIsDoubleQuotedAndReadsBackUnchanged)
{
    QByteArray printed;
    EXPECT_EQ(RoundTrip("Say \"next\" & 'wait'", &printed), "Say \"next\" & 'wait'");
    EXPECT_TRUE(printed.contains("text=\"Say &quot;next&quot; &amp; &apos;wait&apos;\""))
        << printed.toStdString();

    EXPECT_EQ(RoundTrip("a<b>c"), "a<b>c");
    EXPECT_EQ(RoundTrip(QString::fromUtf8("请稍候 №5")), QString::fromUtf8("请稍候 №5"));
}

TEST(MarkupWriterTest, LineBreaksAndLiteralReferencesSurviveASave)
{
    QByteArray printed;
    EXPECT_EQ(RoundTrip("Line one\nLine two\tend\r", &printed), "Line one\nLine two\tend\r");
    EXPECT_TRUE(printed.contains("Line one&#x0A;Line two&#x09;end&#x0D;")) << printed.toStdString();
    EXPECT_FALSE(printed.contains("Line one\n"));

    // Text that looks like a reference is the user's own text.
    EXPECT_EQ(RoundTrip("&#x41; and &amp;", &printed), "&#x41; and &amp;");
    EXPECT_TRUE(printed.contains("&amp;#x41; and &amp;amp;")) << printed.toStdString();
}

} // namespace
