#include "controls/Markup.h"
#include "controls/ResourceArchive.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

using MarkupUI::CMarkup;
using MarkupUI::CMarkupNode;

namespace {

TEST(MarkupTest, ReadsTheTreeSkippingPrologCommentsAndInstructions)
{
    const QByteArray text = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?>\n"
                            "<!DOCTYPE Window>\n<!-- made by hand -->\n"
                            "<Window size=\"400,300\">\n"
                            "\t<Font name=\"宋体\" size=\"12\" default=\"true\"/>\n"
                            "\t<?designer keep?>\n"
                            "\t<Form width = \"464\">\n"
                            "\t\t<!-- <TextEdit text=\"commented out\" /> -->\n"
                            "\t\t<TextEdit text=\"A\" />\n"
                            "\t\t<Barcode value=\"123\"></Barcode>\n"
                            "\t</Form>\n"
                            "</Window>\n";
    CMarkup markup;
    ASSERT_TRUE(markup.LoadFromMem(text)) << markup.GetLastErrorMessage().toStdString();
    const CMarkupNode root = markup.GetRoot();
    EXPECT_EQ(root.GetName(), "Window");
    EXPECT_EQ(root.GetAttributeValue("size"), "400,300");

    const CMarkupNode font = root.GetChild();
    EXPECT_EQ(font.GetName(), "Font");
    EXPECT_EQ(font.GetAttributeValue("name"), QString::fromUtf8("宋体"));
    EXPECT_EQ(font.GetAttributeCount(), 3);
    EXPECT_FALSE(font.HasChildren());

    const CMarkupNode form = font.GetSibling();
    EXPECT_EQ(form.GetName(), "Form");
    EXPECT_EQ(form.GetAttributeValue("width"), "464");
    EXPECT_FALSE(form.HasSiblings());
    EXPECT_EQ(form.GetParent().GetName(), "Window");

    QStringList children;
    for (CMarkupNode child = form.GetChild(); child.IsValid(); child = child.GetSibling()) {
        children << child.GetName() + "=" + child.GetAttributeValue(0);
    }
    EXPECT_EQ(children, QStringList({"TextEdit=A", "Barcode=123"}));
    EXPECT_FALSE(form.GetChild("Picture").IsValid());
    EXPECT_TRUE(form.GetChild("Picture").GetAttributeValue("x").isEmpty());
}

TEST(MarkupTest, MalformedMarkupIsRefusedWithItsReason)
{
    const std::map<std::string, const char*> cases = {
        {"just text", "Expected start tag"},
        {"<!-- never closed", "Expected start tag"},
        {"< Window/>", "Error parsing element name"},
        {"<Window a=\"1\"", "Expected start-tag closing"},
        {"<Window / >", "Expected start-tag closing"},
        {"<Window><Form>", "Expected end-tag start"},
        {"<Window></Form>", "Unmatched closing tag"},
        {"<Window><Form></Window></Form>", "Unmatched closing tag"},
        {"<Window =\"1\"/>", "Error while parsing attributes"},
        {"<Window a \"1\"/>", "Error while parsing attributes"},
        {"<Window text='single'/>", "Expected attribute value"},
        {"<Window text=unquoted/>", "Expected attribute value"},
        {"<Window text=\"never closed/>", "Error while parsing attribute string"},
    };
    for (const auto& [text, reason] : cases) {
        CMarkup markup;
        EXPECT_FALSE(markup.Load(QString::fromStdString(text))) << text;
        EXPECT_EQ(markup.GetLastErrorMessage().toStdString(), reason) << text;
        EXPECT_FALSE(markup.IsValid()) << text;
        EXPECT_FALSE(markup.GetRoot().IsValid()) << text;
    }
}

TEST(MarkupTest, ValuesDecodeTheNamedEntitiesAndCharacterReferences)
{
    EXPECT_EQ(CMarkup::DecodeEntities(u"&amp;&lt;&gt;&quot;&apos;"), "&<>\"'");
    EXPECT_EQ(CMarkup::DecodeEntities(u"a&#x0A;b&#10;c&#x4E2D;"), QString::fromUtf8("a\nb\nc中"));
    // Anything else stays as written.
    EXPECT_EQ(CMarkup::DecodeEntities(u"&nbsp; & &#; &#x; &#xD800; &#0; &#x110000; &#12"),
              "&nbsp; & &#; &#x; &#xD800; &#0; &#x110000; &#12");
    EXPECT_EQ(CMarkup::DecodeEntities(u"&amp;#x41;"), "&#x41;");
}

TEST(MarkupTest, KeepsAtMostSixtyFourAttributes)
{
    QString text = "<Form";
    for (int i = 0; i < 70; ++i) {
        text += QString(" a%1=\"%1\"").arg(i);
    }
    text += " />";
    CMarkup markup;
    ASSERT_TRUE(markup.Load(text));
    EXPECT_EQ(markup.GetRoot().GetAttributeCount(), 64);
    EXPECT_EQ(markup.GetRoot().GetAttributeValue(63), "63");
    EXPECT_FALSE(markup.GetRoot().HasAttribute("a64"));
}

TEST(MarkupTest, DeepNestingNeitherCrashesNorRecurses)
{
    const int depth = 200000;
    QString text = QString("<a>").repeated(depth) + QString("</a>").repeated(depth);
    CMarkup markup;
    ASSERT_TRUE(markup.Load(text));
    CMarkupNode node = markup.GetRoot();
    int levels = 0;
    while (node.IsValid()) {
        ++levels;
        node = node.GetChild();
    }
    EXPECT_EQ(levels, depth);
    EXPECT_FALSE(markup.Load(QString("<a>").repeated(depth)));
}

// An archive with a single entry and no size knowledge of its own.
class OneEntryArchive : public MarkupUI::ResourceArchive
{
public:
    explicit OneEntryArchive(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    std::optional<QByteArray> ReadEntry(const QString& name) const override
    {
        return name.compare("skin.xml", Qt::CaseInsensitive) == 0 ? std::optional(m_bytes) : std::nullopt;
    }

private:
    QByteArray m_bytes;
};

TEST(MarkupTest, EmptyOversizedAndMissingMarkupIsRefused)
{
    CMarkup markup;
    EXPECT_FALSE(markup.LoadFromArchive(nullptr, "skin.xml"));
    EXPECT_EQ(markup.GetLastErrorMessage(), "Error opening zip file");

    const OneEntryArchive empty({});
    EXPECT_FALSE(markup.LoadFromArchive(&empty, "skin.xml"));
    EXPECT_EQ(markup.GetLastErrorMessage(), "File is empty");
    EXPECT_FALSE(markup.LoadFromArchive(&empty, "other.xml"));
    EXPECT_EQ(markup.GetLastErrorMessage(), "Could not find ziped file");

    QByteArray big = "<Window text=\"" + QByteArray(CMarkup::kMaxMarkupBytes, 'x') + "\" />";
    const OneEntryArchive oversized(big);
    EXPECT_FALSE(markup.LoadFromArchive(&oversized, "SKIN.XML"));
    EXPECT_EQ(markup.GetLastErrorMessage(), "File too large");
    EXPECT_FALSE(markup.LoadFromMem(big));
    EXPECT_EQ(markup.GetLastErrorMessage(), "File too large");

    const OneEntryArchive fine("<Window><Form /></Window>");
    ASSERT_TRUE(markup.LoadFromArchive(&fine, "Skin.xml"));
    EXPECT_EQ(markup.GetRoot().GetChild().GetName(), "Form");

    QTemporaryDir dir;
    EXPECT_FALSE(markup.LoadFromFile(dir.filePath("absent.xml")));
    EXPECT_EQ(markup.GetLastErrorMessage(), "Error opening file");
    EXPECT_FALSE(markup.IsValid());
}

} // namespace
