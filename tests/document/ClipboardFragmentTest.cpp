// The clipboard's markup: what a copy writes, and what a paste accepts from
// a clipboard anyone may have filled.
#include "document/ClipboardFragment.h"
#include "controls/Markup.h"
#include "controls/PaintManagerUI.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"

#include <gtest/gtest.h>

using namespace MarkupUI;
using document::FragmentContents;

namespace {

QByteArray Fragment(const QByteArray& elements)
{
    return "<?xml ?>\n<UICopy>\n<Form>\n" + elements + "</Form>\n</UICopy>\n";
}

TEST(ClipboardFragment, ACopyIsOneFormOfElementsEndedByOneZeroByte)
{
    const FormPtr page(new CFormUI);
    const ControlPtr text = CreateElement(kElementText, platform::Rect{16, 20, 216, 60});
    text->SetText(QStringLiteral("Welcome <\"&\"> \u4E2D"));
    const ControlPtr picture = CreateElement(kElementPicture, platform::Rect{30, 100, 94, 164});
    picture->SetBkImage(QStringLiteral("file='/home/op/tickets/logo.png'"));

    const QByteArray payload = document::WriteClipboardFragment({text.get(), page.get(), picture.get()},
                                                                QStringLiteral("/home/op/tickets/"));
    ASSERT_TRUE(payload.endsWith('\0'));
    EXPECT_EQ(payload.count('\0'), 1);
    const QByteArray markup = payload.chopped(1);
    EXPECT_TRUE(markup.startsWith("<?xml ?>\n<UICopy>\n\t<Form>\n\t\t<TextEdit ")) << markup.constData();
    EXPECT_EQ(markup.count("<Form"), 1) << "the page is never copied";
    EXPECT_TRUE(markup.contains("logo.png") && !markup.contains("/home/op"))
        << "images inside the template's folder stay relative";

    // Read back, the copy is the same two elements, free of any parent.
    CPaintManagerUI manager;
    const FragmentContents contents = document::ReadClipboardFragment(payload, &manager);
    ASSERT_EQ(contents.refusal, FragmentContents::Refusal::None);
    EXPECT_EQ(contents.LeftOut(), 0);
    ASSERT_EQ(contents.elements.size(), 2u);
    const CControlUI& pastedText = *contents.elements[0];
    EXPECT_EQ(pastedText.GetElementKind(), kElementText);
    EXPECT_EQ(pastedText.GetText(), text->GetText());
    EXPECT_EQ(pastedText.GetFixedXY(), (platform::Size{16, 20}));
    EXPECT_EQ(pastedText.GetFixedWidth(), 200);
    EXPECT_EQ(pastedText.GetParent(), nullptr);
    EXPECT_EQ(pastedText.GetManager(), nullptr);
    EXPECT_EQ(contents.elements[1]->GetElementKind(), kElementPicture);
    EXPECT_EQ(contents.elements[1]->GetBkImage(), QStringLiteral("file='logo.png'"));
}

TEST(ClipboardFragment, OnlySoundElementsAreKeptAndTheRestCounted)
{
    struct Case
    {
        const char* what;
        QByteArray payload;
        FragmentContents::Refusal refusal;
        int kept;
        int unknown;
        int badGeometry;
    };
    using R = FragmentContents::Refusal;
    const QByteArray sound = R"(<Rectangle float="true" pos="10,10,0,0" width="50" height="20" />)";
    const Case cases[] = {
        {"empty", "", R::Unreadable, 0, 0, 0},
        {"not markup", "hello, world", R::Unreadable, 0, 0, 0},
        {"unclosed", "<UICopy><Form><Rectangle ", R::Unreadable, 0, 0, 0},
        {"no form at the top", "<UICopy>" + sound + "</UICopy>", R::Unreadable, 0, 0, 0},
        {"an empty form", Fragment(""), R::None, 0, 0, 0},
        {"text after the zero byte", Fragment(sound) + QByteArray("\0<junk", 6), R::None, 1, 0, 0},
        {"a template's markup", "<Window><Form>" + sound + "</Form></Window>", R::None, 1, 0, 0},
        {"unknown tags", Fragment(R"(<Barcode data="1" /><Button /><Form />)" + sound), R::None, 1, 3, 0},
        {"not floating", Fragment(R"(<Rectangle float="false" pos="1,1,0,0" width="5" height="5" />)"),
         R::None, 0, 0, 1},
        {"far off the page",
         Fragment(R"(<Rectangle float="true" pos="2147483000,5,0,0" width="5" height="5" />)" + sound),
         R::None, 1, 0, 1},
        {"far left", Fragment(R"(<Rectangle float="true" pos="-40000,5,-39995,10" width="5" height="5" />)"),
         R::None, 0, 0, 1},
        {"huge", Fragment(R"(<TextEdit float="true" pos="0,0,0,0" width="5" height="2000000000" />)"),
         R::None, 0, 0, 1},
        {"huge minimum",
         Fragment(R"(<Picture float="true" pos="0,0,0,0" width="5" height="5" minwidth="99999" />)"), R::None,
         0, 0, 1},
        {"largest sound",
         Fragment(R"(<Picture float="true" pos="-32767,32767,0,0" width="32767" height="0" />)"), R::None, 1,
         0, 0},
    };
    CPaintManagerUI manager;
    for (const Case& c : cases) {
        const FragmentContents contents = document::ReadClipboardFragment(c.payload, &manager);
        EXPECT_EQ(contents.refusal, c.refusal) << c.what;
        EXPECT_EQ(int(contents.elements.size()), c.kept) << c.what;
        EXPECT_EQ(contents.unknownKinds, c.unknown) << c.what;
        EXPECT_EQ(contents.badGeometry, c.badGeometry) << c.what;
        for (const ControlPtr& element : contents.elements) {
            EXPECT_EQ(element->GetParent(), nullptr) << c.what;
        }
    }
}

TEST(ClipboardFragment, OversizedPayloadsAreRefused)
{
    const QByteArray fragment =
        Fragment(R"(<Rectangle float="true" pos="10,10,0,0" width="50" height="20" />)");
    // What follows the zero byte is never read, up to the block's cap.
    QByteArray block = fragment + '\0';
    block.append(QByteArray(document::kMaxClipboardBytes - block.size(), 'x'));
    EXPECT_EQ(document::ReadClipboardFragment(block, nullptr).elements.size(), 1u) << "a block at the cap";
    block.append('x');
    FragmentContents contents = document::ReadClipboardFragment(block, nullptr);
    EXPECT_EQ(contents.refusal, FragmentContents::Refusal::TooLarge) << "a block past the cap";
    EXPECT_TRUE(contents.elements.empty());

    // Markup text longer than a template's may be is refused as well.
    QByteArray text = fragment;
    text.append(QByteArray(MarkupUI::CMarkup::kMaxMarkupBytes + 1 - text.size(), ' '));
    contents = document::ReadClipboardFragment(text, nullptr);
    EXPECT_EQ(contents.refusal, FragmentContents::Refusal::TooLarge) << "markup past the reader's cap";
}

TEST(ClipboardFragment, APasteTakesTheTemplatesDefaultsButGivesItNothing)
{
    CPaintManagerUI manager;
    manager.AddDefaultAttributeList(QStringLiteral("Rectangle"), QStringLiteral("bordersize=\"4\""));
    const QByteArray payload = R"(<UICopy>
        <Font name="Hostile" size="99" default="true" />
        <Default name="TextEdit" value="width=&quot;9&quot;" />
        <Form><Rectangle float="true" pos="1,1,0,0" width="9" height="9" /></Form>
    </UICopy>)";
    const FragmentContents contents = document::ReadClipboardFragment(payload, &manager);
    ASSERT_EQ(contents.elements.size(), 1u);
    EXPECT_EQ(contents.elements[0]->GetBorderSize(), 4);
    EXPECT_EQ(manager.GetCustomFontCount(), 0);
    EXPECT_NE(manager.GetDefaultFontInfo().faceName, QStringLiteral("Hostile"));
    EXPECT_TRUE(manager.GetDefaultAttributeList(QStringLiteral("TextEdit")).isEmpty());
}

TEST(ClipboardFragment, APasteAddsAtMostTheElementLimit)
{
    QByteArray elements;
    for (int i = 0; i < document::kMaxFragmentElements + 3; ++i) {
        elements += R"(<VerticalLine float="true" pos="1,1,0,0" width="1" height="9" />)";
    }
    const FragmentContents contents = document::ReadClipboardFragment(Fragment(elements), nullptr);
    EXPECT_EQ(int(contents.elements.size()), document::kMaxFragmentElements);
    EXPECT_EQ(contents.overLimit, 3);
}

} // namespace
