// Copy, paste and delete through the application's clipboard, and what a
// paste refuses from a clipboard anyone may have filled.
#include "editor/ClipboardCommands.h"
#include "ViewTestSupport.h"
#include "document/ClipboardFragment.h"
#include "editor/LayoutCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace editor::test {
namespace {

using MarkupUI::CControlUI;
using platform::Rect;

const QString kFormat = QString::fromLatin1(document::kClipboardFormat);

void OfferOnClipboard(const QByteArray& payload)
{
    auto* data = new QMimeData;
    data->setData(kFormat, payload);
    QGuiApplication::clipboard()->setMimeData(data);
}

QByteArray ClipboardPayload()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr ? data->data(kFormat) : QByteArray();
}

struct ClipboardFixture : ViewFixture
{
    // The view owns its commands, as the main window's does.
    ClipboardFixture() : commands(*new CClipboardCommands(*view))
    {
        QGuiApplication::clipboard()->clear();
        QObject::connect(view.get(), &CDesignerView::StatusMessage,
                         [this](const QString& text) { messages << text; });
    }
    ~ClipboardFixture() { QGuiApplication::clipboard()->clear(); }

    std::vector<CControlUI*> Children()
    {
        std::vector<CControlUI*> children;
        for (int i = 0; i < Form().GetCount(); ++i) {
            children.push_back(Form().GetItemAt(i));
        }
        return children;
    }

    CClipboardCommands& commands;
    QStringList messages;
};

TEST(ClipboardCommands, ACopyLeavesOutTheCountedNumbersAndTheyLeaveTheSelection)
{
    ClipboardFixture f;
    CControlUI* label = f.Add(MarkupUI::kElementText, Rect{10, 10, 110, 40});
    CControlUI* number = f.Add(MarkupUI::kElementQueuingNum, Rect{10, 60, 110, 100});
    CControlUI* picture = f.Add(MarkupUI::kElementPicture, Rect{200, 10, 264, 74});
    f.view->SelectElements({label, picture, number});
    ASSERT_TRUE(f.commands.CanCopy());

    f.commands.Copy();
    EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{label, picture}));
    EXPECT_EQ(f.view->Tracker().Primary()->Element(), picture) << "the primary goes to the last one left";
    const QByteArray payload = ClipboardPayload();
    EXPECT_TRUE(payload.contains("<TextEdit ") && payload.contains("<Picture ")) << payload.constData();
    EXPECT_FALSE(payload.contains("QueuingNum"));
    EXPECT_TRUE(f.commands.CanPaste());
    EXPECT_EQ(f.view->History().Count(), 0) << "a copy changes nothing";
    EXPECT_FALSE(f.document.IsModified());

    // Numbers alone or the page alone copy nothing and leave the clipboard be.
    for (const std::vector<CControlUI*>& selection :
         {std::vector<CControlUI*>{number}, std::vector<CControlUI*>{&f.Form()}}) {
        f.view->SelectElements(selection);
        EXPECT_FALSE(f.commands.CanCopy());
        f.commands.Copy();
        EXPECT_EQ(ClipboardPayload(), payload);
    }
}

TEST(ClipboardCommands, APasteAfterOpeningSelectsExactlyThePastedElementsTenPixelsOn)
{
    ClipboardFixture f;
    CControlUI* label = f.Add(MarkupUI::kElementText, Rect{10, 10, 110, 40});
    CControlUI* circle = f.Add(MarkupUI::kElementCircle, Rect{100, 200, 150, 250});
    f.view->SelectElements({label, circle});
    f.commands.Copy();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.vt"));
    ASSERT_TRUE(
        WriteTemplate(path, R"(<Window><Form><Rectangle float="true" pos="5,5,0,0" width="9" height="9" />
        </Form></Window>)"));
    ASSERT_TRUE(f.document.OnOpenDocument(path));
    ASSERT_EQ(f.Form().GetCount(), 1);
    ASSERT_TRUE(f.Selected().empty());

    EXPECT_EQ(f.commands.Paste(), 2);
    const std::vector<CControlUI*> children = f.Children();
    ASSERT_EQ(children.size(), 3u);
    EXPECT_EQ(children[1]->GetPos(), (Rect{20, 20, 120, 50}));
    EXPECT_EQ(children[2]->GetPos(), (Rect{110, 210, 160, 260}));
    EXPECT_EQ(children[1]->GetDesignLevel(), 1);
    EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{children[1], children[2]}));
    EXPECT_EQ(f.view->History().Count(), 1);
    EXPECT_TRUE(f.document.IsModified());
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join('|').toStdString();

    // The offset goes onto the copied positions: a second paste lands on the first.
    EXPECT_EQ(f.commands.Paste(), 2);
    EXPECT_EQ(f.Form().GetItemAt(3)->GetPos(), (Rect{20, 20, 120, 50}));
}

TEST(ClipboardCommands, APasteWithALabelSelectedGoesOntoThePage)
{
    ClipboardFixture f;
    CControlUI* label = f.Add(MarkupUI::kElementText, Rect{10, 10, 110, 40});
    f.view->SelectElements({label});
    f.commands.Copy();
    EXPECT_EQ(f.commands.Paste(), 1);
    ASSERT_EQ(f.Form().GetCount(), 2);
    CControlUI* pasted = f.Form().GetItemAt(1);
    EXPECT_EQ(pasted->GetParent(), &f.Form());
    EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{pasted}));
    EXPECT_EQ(f.sheet.shown, pasted) << "the one pasted element shows in the sheet";
}

TEST(ClipboardCommands, UndoTakesAWholePasteBackAndRedoBringsItSelected)
{
    ClipboardFixture f;
    CControlUI* a = f.Add(MarkupUI::kElementText, Rect{10, 10, 110, 40});
    CControlUI* b = f.Add(MarkupUI::kElementRectangle, Rect{10, 60, 110, 100});
    f.view->SelectElements({a, b});
    f.commands.Copy();
    ASSERT_EQ(f.commands.Paste(), 2);
    const std::vector<CControlUI*> pasted = f.Selected();

    f.view->Undo();
    EXPECT_EQ(f.Children(), (std::vector<CControlUI*>{a, b}));
    EXPECT_TRUE(f.Selected().empty());
    EXPECT_EQ(f.sheet.shown, nullptr);
    EXPECT_FALSE(f.document.IsModified());

    f.view->Redo();
    EXPECT_EQ(f.Children(), (std::vector<CControlUI*>{a, b, pasted[0], pasted[1]}));
    EXPECT_EQ(f.Selected(), pasted);
    EXPECT_EQ(pasted[0]->GetPos(), (Rect{20, 20, 120, 50}));
    EXPECT_TRUE(f.document.IsModified());
}

TEST(ClipboardCommands, DeletingTwoElementsIsOneChangeThatPutsThemBackInPlace)
{
    ClipboardFixture f;
    CControlUI* a = f.Add(MarkupUI::kElementText, Rect{10, 10, 110, 40});
    CControlUI* b = f.Add(MarkupUI::kElementRectangle, Rect{10, 60, 110, 100});
    CControlUI* c = f.Add(MarkupUI::kElementCircle, Rect{10, 160, 110, 200});
    f.view->SelectElements({c, a});
    ASSERT_TRUE(f.commands.CanDelete());

    f.commands.DeleteSelection();
    EXPECT_EQ(f.Children(), (std::vector<CControlUI*>{b}));
    EXPECT_TRUE(f.Selected().empty());
    EXPECT_EQ(f.sheet.shown, nullptr);
    EXPECT_EQ(f.view->History().Count(), 1);
    EXPECT_TRUE(f.document.IsModified());

    f.view->Undo();
    EXPECT_EQ(f.Children(), (std::vector<CControlUI*>{a, b, c})) << "each back where it was among the others";
    EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{c, a}));
    EXPECT_EQ(a->GetPos(), (Rect{10, 10, 110, 40}));
    EXPECT_FALSE(f.document.IsModified());

    f.view->Redo();
    EXPECT_EQ(f.Children(), (std::vector<CControlUI*>{b}));
    EXPECT_TRUE(f.Selected().empty());
}

TEST(ClipboardCommands, TheTicketNumberToolFollowsDeletionPasteAndUndo)
{
    ClipboardFixture f;
    CControlUI* number = f.Add(MarkupUI::kElementQueuingNum, Rect{10, 10, 110, 40});
    ASSERT_FALSE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementQueuingNum));
    f.view->SelectElements({number});
    f.commands.DeleteSelection();
    EXPECT_TRUE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementQueuingNum));
    f.view->Undo();
    EXPECT_FALSE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementQueuingNum));
    f.view->Redo();
    EXPECT_TRUE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementQueuingNum));

    // A clipboard from anywhere may carry one: it pastes while the page has none.
    OfferOnClipboard(
        R"(<UICopy><Form><QueuingNum float="true" pos="5,5,0,0" width="90" height="30" /></Form></UICopy>)");
    EXPECT_EQ(f.commands.Paste(), 1);
    EXPECT_FALSE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementQueuingNum));
}

TEST(ClipboardCommands, OnlyElementsOfThePageAreDeleted)
{
    ClipboardFixture f;
    f.view->SelectElements({&f.Form()});
    EXPECT_FALSE(f.commands.CanDelete());
    f.commands.DeleteSelection();
    EXPECT_EQ(f.view->History().Count(), 0);
    EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{&f.Form()}));
}

TEST(ClipboardCommands, HostileClipboardsChangeNothing)
{
    struct Case
    {
        const char* what;
        QByteArray payload;
        const char* told;
    };
    const Case cases[] = {
        {"not markup", "\x89PNG\r\n\x1a\n", "readable"},
        {"empty", "", "readable"},
        {"oversized", QByteArray(document::kMaxClipboardBytes + 1, '<'), "too large"},
        {"unknown tags", R"(<UICopy><Form><Barcode data="1" /><Form /></Form></UICopy>)", "unknown kinds"},
        {"absurd geometry",
         R"(<UICopy><Form><Rectangle float="true" pos="0,0,0,0" width="2147483647" height="5" /></Form></UICopy>)",
         "impossible"},
        {"a second ticket number",
         R"(<UICopy><Form><QueuingNum float="true" pos="5,5,0,0" width="90" height="30" /></Form></UICopy>)",
         "already holds"},
    };
    for (const Case& c : cases) {
        ClipboardFixture f;
        CControlUI* label = f.Add(MarkupUI::kElementText, Rect{10, 10, 110, 40});
        f.Add(MarkupUI::kElementQueuingNum, Rect{10, 60, 110, 100});
        f.view->SelectElements({label});
        OfferOnClipboard(c.payload);
        ASSERT_TRUE(f.commands.CanPaste()) << c.what;

        EXPECT_EQ(f.commands.Paste(), 0) << c.what;
        EXPECT_EQ(f.Form().GetCount(), 2) << c.what;
        EXPECT_EQ(f.view->History().Count(), 0) << c.what;
        EXPECT_FALSE(f.document.IsModified()) << c.what;
        EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{label})) << c.what;
        EXPECT_EQ(f.document.GetPaintManager()->GetCustomFontCount(), 0) << c.what;
        ASSERT_EQ(f.messages.size(), 1) << c.what;
        EXPECT_TRUE(f.messages[0].contains(QLatin1String(c.told)))
            << c.what << ": " << f.messages[0].toStdString();
    }
}

TEST(ClipboardCommands, APasteKeepsTheSoundElementsAndSaysWhatItLeftOut)
{
    ClipboardFixture f;
    OfferOnClipboard(R"(<?xml ?><UICopy><Font name="Hostile" size="80" /><Form>
        <Rectangle float="true" pos="1,1,0,0" width="9" height="9" />
        <Button text="x" />
        <Picture float="true" pos="99999,1,0,0" width="9" height="9" />
        <WaitingCount float="true" pos="1,50,0,0" width="40" height="20" />
        <WaitingCount float="true" pos="1,90,0,0" width="40" height="20" />
    </Form></UICopy>)");
    EXPECT_EQ(f.commands.Paste(), 2);
    ASSERT_EQ(f.Form().GetCount(), 2);
    EXPECT_EQ(f.Form().GetItemAt(0)->GetElementKind(), MarkupUI::kElementRectangle);
    EXPECT_EQ(f.Form().GetItemAt(1)->GetPos(), (Rect{11, 60, 51, 80}));
    EXPECT_EQ(f.view->History().Count(), 1);
    EXPECT_EQ(f.document.GetPaintManager()->GetCustomFontCount(), 0);
    ASSERT_EQ(f.messages.size(), 1);
    for (const char* told : {"unknown kinds left out: 1", "impossible positions or sizes left out: 1",
                             "already holds one of that kind: 1"}) {
        EXPECT_TRUE(f.messages[0].contains(QLatin1String(told))) << f.messages[0].toStdString();
    }
}

TEST(ClipboardCommands, KeysWaitWhileADragRuns)
{
    ClipboardFixture f;
    CControlUI* a = f.Add(MarkupUI::kElementText, Rect{10, 10, 110, 40});
    CControlUI* b = f.Add(MarkupUI::kElementRectangle, Rect{10, 60, 110, 100});
    f.view->SelectElements({a, b});
    f.commands.Copy();
    // Ctrl+V, Ctrl+C or an align during a group move must not pull the
    // selection from under the drag.
    f.Press(50, 20);
    f.MoveTo(60, 30);
    ASSERT_TRUE(f.view->IsDragging());
    EXPECT_FALSE(f.commands.CanCopy() || f.commands.CanPaste() || f.commands.CanDelete());
    EXPECT_FALSE(CanRunLayoutCommand(*f.view, LayoutCommand::AlignLeft));
    EXPECT_EQ(f.commands.Paste(), 0);
    f.commands.DeleteSelection();
    EXPECT_FALSE(RunLayoutCommand(*f.view, LayoutCommand::SameSize));
    EXPECT_EQ(f.Children(), (std::vector<CControlUI*>{a, b}));
    EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{a, b}));
    f.MoveTo(70, 40);
    f.Release(70, 40);
    EXPECT_EQ(a->GetPos(), (Rect{30, 30, 130, 60}));
    EXPECT_EQ(f.view->History().Count(), 1);
    EXPECT_TRUE(f.commands.CanPaste());
}

TEST(ClipboardCommands, PasteIsOfferedWhileTheClipboardHoldsTheDesignersFormat)
{
    ClipboardFixture f;
    EXPECT_FALSE(f.commands.CanPaste());
    auto* text = new QMimeData;
    text->setText(QStringLiteral("<UICopy><Form /></UICopy>"));
    QGuiApplication::clipboard()->setMimeData(text);
    EXPECT_FALSE(f.commands.CanPaste()) << "plain text is not pasted";
    EXPECT_EQ(f.commands.Paste(), 0);
    OfferOnClipboard("<UICopy><Form /></UICopy>");
    EXPECT_TRUE(f.commands.CanPaste());
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(f.commands.CanPaste());
}

} // namespace
} // namespace editor::test
