// The layout, clipboard and delete commands through the main window: its
// toolbar buttons, menu entries and keys reach the design view.
#include "FrameTestSupport.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "editor/DesignerView.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace app::test {
namespace {

using MarkupUI::CControlUI;
using platform::Rect;

class EditCommandsInFrame : public ::testing::Test
{
protected:
    EditCommandsInFrame()
    {
        QGuiApplication::clipboard()->clear();
        f.frame->resize(1000, 760);
        f.frame->show();
        f.frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(f.frame.get()));
    }
    ~EditCommandsInFrame() override { QGuiApplication::clipboard()->clear(); }

    editor::CDesignerView& View() { return *f.frame->View(); }
    CControlUI* Add(int kind, Rect rect)
    {
        const MarkupUI::ControlPtr element = MarkupUI::CreateElement(kind, rect);
        View().Form()->Add(element.get());
        element->SetDesignLevel(1);
        View().Form()->SetPos(View().Form()->GetPos());
        return element.get();
    }
    void ClickPage(int x, int y, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(View().viewport(), Qt::LeftButton, modifiers,
                          View().ToViewport(platform::Point{x, y}));
    }
    bool Enabled(int id)
    {
        f.frame->Commands().UpdateAll();
        return f.frame->Commands().Action(id)->isEnabled();
    }
    void ClickButton(QToolBar* bar, int id)
    {
        QTest::mouseClick(bar->widgetForAction(f.frame->Commands().Action(id)), Qt::LeftButton);
    }

    FrameFixture f;
};

TEST_F(EditCommandsInFrame, FormEditButtonsAndCentringEntriesActOnTheClickedSelection)
{
    CControlUI* a = Add(MarkupUI::kElementRectangle, Rect{10, 100, 60, 130});
    CControlUI* b = Add(MarkupUI::kElementRectangle, Rect{80, 200, 100, 220});
    ClickPage(30, 110);
    EXPECT_FALSE(Enabled(ID_ALIGN_LEFT)) << "one element has nothing to line up with";
    EXPECT_TRUE(Enabled(ID_CENTRE_HORIZONTAL));
    ClickPage(90, 210, Qt::ControlModifier);
    ASSERT_EQ(View().Tracker().Count(), 2);
    ASSERT_TRUE(Enabled(ID_ALIGN_LEFT));
    EXPECT_FALSE(Enabled(ID_SPACE_ACROSS));

    ClickButton(f.frame->FormEditToolBar(), ID_ALIGN_LEFT);
    EXPECT_EQ(a->GetPos(), (Rect{80, 100, 130, 130})) << "the last one clicked is the reference";
    ClickButton(f.frame->FormEditToolBar(), ID_SAME_SIZE);
    EXPECT_EQ(a->GetPos(), (Rect{80, 100, 100, 120}));
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
    EXPECT_TRUE(Enabled(ID_FILE_SAVE));

    f.frame->Commands().Action(ID_CENTRE_HORIZONTAL)->trigger();
    EXPECT_EQ(a->GetPos(), (Rect{222, 100, 242, 120}));
    EXPECT_EQ(b->GetPos(), (Rect{222, 200, 242, 220}));
    EXPECT_EQ(View().History().Count(), 3);
}

TEST_F(EditCommandsInFrame, CopyPasteAndDeleteKeysReachTheView)
{
    Add(MarkupUI::kElementText, Rect{10, 100, 110, 130});
    CControlUI* number = Add(MarkupUI::kElementQueuingNum, Rect{10, 200, 110, 230});
    EXPECT_FALSE(Enabled(ID_EDIT_COPY));
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    ClickPage(50, 110);
    ClickPage(50, 210, Qt::ControlModifier);
    EXPECT_TRUE(Enabled(ID_EDIT_COPY));
    EXPECT_FALSE(Enabled(ID_EDIT_CUT)) << "cutting is never offered";

    QTest::keyClick(View().viewport(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(View().Tracker().Count(), 1) << "the ticket number leaves the selection";
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    QTest::keyClick(View().viewport(), Qt::Key_Insert, Qt::ShiftModifier);
    ASSERT_EQ(View().Form()->GetCount(), 3);
    EXPECT_EQ(View().Form()->GetItemAt(2)->GetPos(), (Rect{20, 110, 120, 140}));
    EXPECT_EQ(View().Tracker().Count(), 1);

    QTest::keyClick(View().viewport(), Qt::Key_Delete);
    EXPECT_EQ(View().Form()->GetCount(), 2);
    EXPECT_EQ(View().Tracker().Count(), 0);

    // The page alone cannot be deleted, neither by button nor by key.
    ClickPage(300, 500);
    ASSERT_EQ(View().Tracker().Count(), 1);
    EXPECT_FALSE(Enabled(ID_DELETE_CONTROLS));
    QTest::keyClick(View().viewport(), Qt::Key_Delete);
    EXPECT_EQ(View().Form()->GetCount(), 2);

    ClickPage(50, 210);
    ASSERT_TRUE(Enabled(ID_DELETE_CONTROLS));
    ClickButton(f.frame->StandardToolBar(), ID_DELETE_CONTROLS);
    EXPECT_EQ(View().Form()->GetItemIndex(number), -1);
    QTest::keyClick(View().viewport(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(View().Form()->GetItemIndex(number), 1);
}

} // namespace
} // namespace app::test
