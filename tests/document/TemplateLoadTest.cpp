#include "controls/LibraryWidgetUI.h"
#include "controls/PaintManagerUI.h"
#include "controls/UserDefineUI.h"
#include "document/DesignControlBuilder.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "platform/DrawTextFlags.h"

#include <gtest/gtest.h>

using namespace MarkupUI;

namespace {

struct Loaded
{
    CPaintManagerUI manager;
    ControlPtr root;
    QString error;
    CFormUI* Form() const { return root ? static_cast<CFormUI*>(root->GetInterface("Form")) : nullptr; }
};

std::unique_ptr<Loaded> Load(const char* markup)
{
    auto loaded = std::make_unique<Loaded>();
    document::DesignControlBuilder builder;
    loaded->root = builder.Build(QByteArray(markup), &loaded->manager, nullptr, &loaded->error);
    return loaded;
}

} // namespace

TEST(TemplateLoad, AnEmptyFormKeepsItsAttributesAndDefaults)
{
    const auto loaded = Load(R"(<?xml version="1.0"?><Window><Form width="640" model="80" maxnum="#FF" /></Window>)");
    CFormUI* form = loaded->Form();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetCount(), 0);
    EXPECT_EQ(form->GetFixedWidth(), 640);
    EXPECT_EQ(form->GetModel(), QStringLiteral("80"));
    EXPECT_EQ(form->GetMaxNum(), 255);
    EXPECT_EQ(form->GetCutoffNum(), 1);
    EXPECT_EQ(form->GetManager(), nullptr) << "the loaded tree is attached to no paint manager";
}

TEST(TemplateLoad, ElementsGetTheirCreationSetUpThenTheirAttributes)
{
    const auto loaded = Load(R"(<Window><Form>
        <Rectangle float="true" pos="10,20,0,0" width="30" height="40" />
        <HorzontalLine pos="1,2,0,0" width="50" height="3" bordersize="2" />
        <WaitingCount pos="0,0,0,0" width="40" height="20" />
        <TextEdit text="Hello" pos="5,5,0,0" width="100" height="30"
                  font="name='Arial' height='18' charset='134' bold='true' underline='false' italic='false'" />
    </Form></Window>)");
    CFormUI* form = loaded->Form();
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->GetCount(), 4);
    CControlUI* rectangle = form->GetItemAt(0);
    EXPECT_EQ(rectangle->GetElementKind(), kElementRectangle);
    EXPECT_EQ(rectangle->GetBorderSize(), 1);
    EXPECT_TRUE(rectangle->IsFloat());
    EXPECT_EQ(rectangle->GetFixedXY(), (platform::Size{10, 20}));
    EXPECT_EQ(form->GetItemAt(1)->GetBorderSize(), 2);
    auto* waiting = static_cast<CDesignLabelUI*>(form->GetItemAt(2));
    EXPECT_EQ(waiting->GetNumLength(), 2);
    auto* text = static_cast<CDesignLabelUI*>(form->GetItemAt(3));
    EXPECT_EQ(text->GetText(), QStringLiteral("Hello"));
    // Loading never refits: the height read from the file is kept.
    EXPECT_EQ(text->GetFontDescription().height, -18);
    EXPECT_EQ(text->GetFontDescription().charSet, 134);
}

TEST(TemplateLoad, FontsAndDefaultListsReachThePaintManager)
{
    const auto loaded = Load(R"(<Window>
        <Font name="Arial" size="20" bold="true" default="true" />
        <Font size="30" />
        <Font name="SimSun" size="16" italic="true" default="true" />
        <Default name="TextEdit" value="align=&quot;right&quot; text=&quot;from default&quot;" />
        <Form><TextEdit align="center" /><TextEdit /></Form></Window>)");
    EXPECT_EQ(loaded->manager.GetCustomFontCount(), 2) << "a font without a name is ignored";
    EXPECT_EQ(loaded->manager.GetDefaultFontInfo().faceName, QStringLiteral("SimSun")) << "the later default wins";
    EXPECT_TRUE(loaded->manager.GetDefaultFontInfo().italic);
    CFormUI* form = loaded->Form();
    ASSERT_NE(form, nullptr);
    auto* own = static_cast<CDesignLabelUI*>(form->GetItemAt(0));
    auto* plain = static_cast<CDesignLabelUI*>(form->GetItemAt(1));
    EXPECT_TRUE(own->GetTextStyle() & platform::DT_CENTER) << "the element's own align wins";
    EXPECT_FALSE(own->GetTextStyle() & platform::DT_RIGHT);
    EXPECT_TRUE(plain->GetTextStyle() & platform::DT_RIGHT);
    EXPECT_EQ(plain->GetText(), QStringLiteral("from default"));
}

TEST(TemplateLoad, UnknownAndLibraryTagsStayInTheTree)
{
    const auto loaded = Load(R"(<Window><Form>
        <Barcode data="123" pos="1,2,3,4" symbology="qr" data="456" />
        <Button text="library widget" />
    </Form></Window>)");
    CFormUI* form = loaded->Form();
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->GetCount(), 2);
    auto* barcode = static_cast<CUserDefineUI*>(form->GetItemAt(0)->GetInterface("UserDefinedControl"));
    ASSERT_NE(barcode, nullptr);
    EXPECT_EQ(barcode->GetClass(), QStringLiteral("Barcode"));
    EXPECT_EQ(barcode->GetAttributes().at("data"), QStringLiteral("456"));
    EXPECT_EQ(barcode->GetFixedWidth(), 0) << "its attributes never reach the base";
    EXPECT_EQ(form->GetItemAt(1)->GetClass(), QStringLiteral("ButtonUI"));
    EXPECT_EQ(form->GetItemAt(1)->GetElementKind(), 0);
}

TEST(TemplateLoad, ARootThatIsNotAFormAndBrokenMarkupAreReported)
{
    const auto notForm = Load(R"(<Window><TextEdit text="x" /><Form /></Window>)");
    ASSERT_NE(notForm->root, nullptr);
    EXPECT_EQ(notForm->Form(), nullptr);

    const auto broken = Load(R"(<Window><Form width='464' /></Window>)");
    EXPECT_EQ(broken->root, nullptr);
    EXPECT_EQ(broken->error, QStringLiteral("Expected attribute value"));

    const auto empty = Load(R"(<Window></Window>)");
    EXPECT_EQ(empty->root, nullptr);
    EXPECT_FALSE(empty->error.isEmpty());
}

TEST(TemplateLoad, DeepNestingIsCutInsteadOfExhaustingTheStack)
{
    QByteArray markup = "<Window><Form>";
    for (int i = 0; i < 5000; ++i) {
        markup += "<Rectangle>";
    }
    for (int i = 0; i < 5000; ++i) {
        markup += "</Rectangle>";
    }
    markup += "</Form></Window>";
    CPaintManagerUI manager;
    document::DesignControlBuilder builder;
    QString error;
    const ControlPtr root = builder.Build(markup, &manager, nullptr, &error);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(static_cast<CFormUI*>(root->GetInterface("Form"))->GetCount(), 1);
}
