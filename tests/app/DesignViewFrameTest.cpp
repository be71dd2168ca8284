// The design view in the main window: templates show as they are opened,
// the toolbox and the view follow each other, the commands reach the view.
#include "FrameTestSupport.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/DesignerApp.h"
#include "app/StatusPanes.h"
#include "editor/DesignPreview.h"
#include "editor/DesignerView.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "panes/ToolBoxCtrl.h"
#include "panes/ToolBoxWnd.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace app::test {
namespace {

using MarkupUI::kElementQueuingNum;

class DesignViewInFrame : public ::testing::Test
{
protected:
    DesignViewInFrame()
    {
        f.frame->resize(1000, 760);
        f.frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f.frame.get()));
    }

    // A template holding one element of a kind, written by the document.
    QString MakeTemplate(const QString& name, int kind)
    {
        document::CDesignerDoc doc;
        doc.OnNewDocument();
        document::ShowAsDesignView(doc);
        const MarkupUI::ControlPtr element = MarkupUI::CreateElement(kind, platform::Rect{60, 120, 260, 200});
        doc.GetForm()->Add(element.get());
        const QString path = dir.filePath(name);
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }

    editor::CDesignerView& View() { return *f.frame->View(); }
    panes::CToolBoxWnd& Tools() { return *static_cast<panes::CToolBoxWnd*>(f.frame->ToolboxDock()); }
    // Whether the view shows the document's template with its elements.
    bool ShowsDocument(int count)
    {
        return View().Form() == f.document.GetForm() && View().Form()->GetCount() == count &&
               View().FormSize() == (platform::Size{464, 580});
    }
    void ClickToolRow(int toolId)
    {
        panes::CToolBoxCtrl& list = *Tools().ToolBox();
        const QRect row = list.Element(list.IndexOfTool(toolId)).rect;
        QTest::mouseClick(&list, Qt::LeftButton, {}, row.center());
    }
    void ClickPage(int x, int y)
    {
        QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, View().ToViewport(platform::Point{x, y}));
    }

    QTemporaryDir dir;
    FrameFixture f;
};

TEST_F(DesignViewInFrame, TemplatesShowAsTheyAreOpenedAndReplaceEachOther)
{
    const QString numbered = MakeTemplate("numbered.vt", kElementQueuingNum);
    const QString plain = MakeTemplate("plain.vt", MarkupUI::kElementRectangle);

    ASSERT_TRUE(CDesignerApp::ProcessShellCommand(*f.frame, {numbered}));
    EXPECT_TRUE(ShowsDocument(1));
    EXPECT_FALSE(Tools().IsToolOfKindEnabled(kElementQueuingNum));

    // From the recent list.
    ASSERT_TRUE(f.frame->OpenDocumentFile(plain));
    ASSERT_TRUE(f.frame->OpenDocumentFile(numbered));
    QAction* recent = nullptr;
    for (QAction* action : f.frame->findChildren<QAction*>()) {
        recent = action->text().endsWith(QStringLiteral("plain.vt")) ? action : recent;
    }
    ASSERT_NE(recent, nullptr);
    recent->trigger();
    EXPECT_EQ(f.document.GetPathName(), plain);
    EXPECT_TRUE(ShowsDocument(1));
    EXPECT_TRUE(Tools().IsToolOfKindEnabled(kElementQueuingNum)) << "the second template gives the tool back";

    // Dropped on the window.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(numbered)});
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.frame.get(), &enter);
    QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.frame.get(), &drop);
    QApplication::processEvents();
    EXPECT_EQ(f.document.GetPathName(), numbered);
    EXPECT_TRUE(ShowsDocument(1));
    EXPECT_FALSE(Tools().IsToolOfKindEnabled(kElementQueuingNum));

    // New: an empty page, every tool back.
    f.frame->Commands().Action(ID_FILE_NEW)->trigger();
    EXPECT_TRUE(ShowsDocument(0));
    EXPECT_TRUE(Tools().IsToolOfKindEnabled(kElementQueuingNum));
}

TEST_F(DesignViewInFrame, TheQueuingToolIsGreyedWhileTheTicketHoldsANumber)
{
    ClickToolRow(kElementQueuingNum);
    ASSERT_EQ(Tools().SelectedToolId(), kElementQueuingNum);
    ClickPage(100, 150);
    ASSERT_EQ(f.document.GetForm()->GetCount(), 1);
    EXPECT_EQ(Tools().SelectedToolId(), MarkupUI::kElementPointerTool);
    EXPECT_FALSE(Tools().IsToolOfKindEnabled(kElementQueuingNum));
    EXPECT_TRUE(f.frame->isWindowModified());

    ClickToolRow(kElementQueuingNum);
    EXPECT_EQ(Tools().SelectedToolId(), MarkupUI::kElementPointerTool) << "a greyed row cannot be picked";

    f.frame->Commands().Action(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(f.document.GetForm()->GetCount(), 0);
    EXPECT_TRUE(Tools().IsToolOfKindEnabled(kElementQueuingNum));
    EXPECT_FALSE(f.frame->isWindowModified());
    EXPECT_FALSE(f.frame->Commands().Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_TRUE(f.frame->Commands().Action(ID_EDIT_REDO)->isEnabled());
    EXPECT_TRUE(f.frame->Commands().Action(ID_EDIT_REDO)->shortcuts().contains(QKeySequence("Ctrl+Y")));
}

TEST_F(DesignViewInFrame, EditsAskToBeSavedAndEnterBringsThePropertiesBack)
{
    ClickToolRow(MarkupUI::kElementText);
    ClickPage(100, 150);
    EXPECT_TRUE(f.document.IsModified());
    f.frame->PropertiesDock()->close();
    f.frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.frame.get()));
    View().setFocus();
    QTest::keyClick(&View(), Qt::Key_Return);
    EXPECT_TRUE(f.frame->PropertiesDock()->isVisible());
    // The keys stay with the page: an arrow still nudges the element.
    QCoreApplication::processEvents();
    EXPECT_TRUE(View().hasFocus());
    MarkupUI::CControlUI* placed = View().Form()->GetItemAt(0);
    const int left = placed->GetPos().left;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(placed->GetPos().left, left + 1);
    // From the menu the pane takes the keyboard.
    f.frame->Commands().Action(ID_WINDOW_PROPERTIES)->trigger();
    EXPECT_TRUE(f.frame->PropertiesDock()->isAncestorOf(QApplication::focusWidget()));
    f.frame->Commands().Action(ID_EDIT_UNDO)->trigger(); // the nudge

    // An unsaved edit: New asks first, and Cancel keeps the template.
    f.prompts->saveChoices = {FramePrompts::SaveChoice::Cancel};
    f.frame->Commands().Action(ID_FILE_NEW)->trigger();
    EXPECT_EQ(f.prompts->askedToSave.size(), 1);
    EXPECT_EQ(f.document.GetForm()->GetCount(), 1);
    // Undone back to the template as it was: nothing to ask.
    f.frame->Commands().Action(ID_EDIT_UNDO)->trigger();
    f.frame->Commands().Action(ID_FILE_NEW)->trigger();
    EXPECT_EQ(f.prompts->askedToSave.size(), 1);
}

TEST_F(DesignViewInFrame, TheGridCommandShowsTheGridAndItsCheckMark)
{
    QAction* grid = f.frame->Commands().Action(ID_SHOW_GRID);
    ASSERT_TRUE(grid->isEnabled());
    EXPECT_FALSE(grid->isChecked());
    grid->trigger();
    EXPECT_TRUE(View().IsGridShown());
    EXPECT_TRUE(grid->isChecked());
    grid->trigger();
    EXPECT_FALSE(View().IsGridShown());
    EXPECT_FALSE(grid->isChecked());
}

TEST_F(DesignViewInFrame, ThePreviewTakesTheViewsPlaceAndGivesItBackUnchanged)
{
    ClickToolRow(MarkupUI::kElementText);
    ClickPage(100, 150);
    ASSERT_EQ(View().Tracker().Count(), 1);
    const int history = View().History().Count();

    f.frame->Commands().Action(ID_FILE_PRINT_PREVIEW)->trigger();
    editor::CDesignPreview* preview = f.frame->Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_FALSE(View().isVisible());
    EXPECT_FALSE(f.frame->menuBar()->isVisible());
    EXPECT_FALSE(f.frame->ToolboxDock()->isVisible());
    EXPECT_FALSE(f.frame->PropertiesDock()->isVisible());
    // Nothing changes the template unseen behind the preview.
    EXPECT_FALSE(f.frame->Commands().Action(ID_EDIT_UNDO)->isEnabled());
    QTest::keyClick(preview, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(View().History().CurrentPosition(), history);

    QTest::keyClick(preview, Qt::Key_Escape);
    EXPECT_EQ(f.frame->Preview(), nullptr);
    EXPECT_TRUE(View().isVisible());
    EXPECT_TRUE(f.frame->menuBar()->isVisible());
    EXPECT_TRUE(f.frame->ToolboxDock()->isVisible());
    EXPECT_EQ(View().Tracker().Count(), 1);
    EXPECT_EQ(View().History().Count(), history);
    EXPECT_TRUE(f.frame->Commands().Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_EQ(f.frame->Panes().Message(), "Ready");
}

TEST_F(DesignViewInFrame, PrinterCommandsSayWhyTheySendNothing)
{
    StatusPanes& panes = f.frame->Panes();
    // No printer: said at once, and no empty progress bar left behind.
    f.frame->Commands().Action(ID_FILE_PRINT)->trigger();
    EXPECT_EQ(panes.Message(), "Please connect the printer");
    EXPECT_FALSE(panes.IsProgressShown());

    // An upload running: Print does not cut it short.
    f.device.portOpen = true;
    f.device.transferIndex = 7;
    f.frame->Commands().UpdateAll();
    EXPECT_FALSE(f.frame->Commands().Action(ID_UPLOAD_DATA)->isEnabled());
    EXPECT_TRUE(f.frame->Commands().Action(ID_FILE_PRINT)->isEnabled());
    f.frame->Commands().Action(ID_FILE_PRINT)->trigger();
    EXPECT_TRUE(panes.Message().contains("still receiving")) << panes.Message().toStdString();
    EXPECT_FALSE(panes.IsProgressShown());

    // Idle: the empty progress bar of 100 steps comes before the transfer.
    f.device.transferIndex = -1;
    f.frame->Commands().UpdateAll();
    f.frame->Commands().Action(ID_UPLOAD_DATA)->trigger();
    EXPECT_TRUE(panes.IsProgressShown());
    EXPECT_EQ(panes.ProgressMaximum(), 100);
    EXPECT_EQ(panes.ProgressValue(), 0);
}

} // namespace
} // namespace app::test
