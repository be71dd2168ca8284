// The template check in the main window: the command fills the Check
// Results pane, a double-click finds the element, and the list follows
// the template while the pane is open.
#include "FrameTestSupport.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "editor/DesignerView.h"
#include "elements/ElementKind.h"
#include "panes/CheckResultsWnd.h"
#include "panes/PropertiesWnd.h"
#include "panes/PropertyGrid.h"
#include "panes/PropertyRow.h"
#include "panes/PropertyTree.h"
#include "panes/UIProperties.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>

namespace app::test {
namespace {

using MarkupUI::kElementText;

// Where the list shows the first finding about the element at index.
QTreeWidgetItem* RowAbout(const panes::CCheckResultsWnd& pane, int index)
{
    const auto& findings = pane.Findings();
    const auto found = std::find_if(findings.begin(), findings.end(),
                                    [index](const check::Finding& f) { return f.elementIndex == index; });
    return found == findings.end() ? nullptr
                                   : pane.List()->topLevelItem(static_cast<int>(found - findings.begin()));
}

TEST(CheckInFrame, FindingsListTheirElementAndADoubleClickSelectsIt)
{
    FrameFixture f;
    f.frame->resize(1000, 760);
    f.frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.frame.get()));
    editor::CDesignerView& view = *f.frame->View();
    panes::CCheckResultsWnd& pane = *f.frame->CheckResultsDock();
    EXPECT_FALSE(pane.isVisible());
    ASSERT_NE(view.CreateElement(kElementText, platform::Rect{60, 120, 260, 200}), nullptr);
    // Wholly in the top-left margin: left out of what the printer gets.
    MarkupUI::CControlUI* lost = view.CreateElement(kElementText, platform::Rect{2, 2, 20, 20});
    ASSERT_NE(lost, nullptr);
    view.ClearSelection();

    f.frame->Commands().Action(ID_CHECK_TEMPLATE)->trigger();
    ASSERT_TRUE(pane.isVisible());
    QTreeWidgetItem* row = RowAbout(pane, 1);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(RowAbout(pane, 0), nullptr);
    EXPECT_TRUE(check::HasErrors(pane.Findings()));
    EXPECT_TRUE(f.frame->Panes().Message().startsWith("Template check: errors 1,"))
        << f.frame->Panes().Message().toStdString();

    QTreeWidget* list = pane.List();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->visualItemRect(row).isEmpty(); }));
    const QPoint at = list->visualItemRect(row).center();
    // A double-click follows a click, as the mouse gives it.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(view.Tracker().Count(), 1);
    EXPECT_TRUE(view.IsSelected(lost));

    // Undoing the faulty element clears its finding on its own.
    f.frame->Commands().Action(ID_EDIT_UNDO)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return RowAbout(pane, 1) == nullptr; }, 3000));
    EXPECT_FALSE(check::HasErrors(pane.Findings()));

    // Put away with the rest while the preview shows.
    f.frame->Commands().Action(ID_FILE_PRINT_PREVIEW)->trigger();
    EXPECT_FALSE(pane.isVisible());
    f.frame->ClosePreview();
    EXPECT_TRUE(pane.isVisible());
}

// The list follows edits made in the property grid as it follows the mouse.
TEST(CheckInFrame, AnEditTypedIntoThePropertyGridChecksAgain)
{
    FrameFixture f;
    f.frame->resize(1000, 760);
    f.frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.frame.get()));
    editor::CDesignerView& view = *f.frame->View();
    panes::CCheckResultsWnd& pane = *f.frame->CheckResultsDock();
    MarkupUI::CControlUI* lost = view.CreateElement(kElementText, platform::Rect{2, 2, 20, 20});
    ASSERT_NE(lost, nullptr);
    f.frame->Commands().Action(ID_CHECK_TEMPLATE)->trigger();
    ASSERT_NE(RowAbout(pane, 0), nullptr);

    auto* properties = static_cast<panes::CPropertiesWnd*>(f.frame->PropertiesDock());
    ASSERT_TRUE(view.SelectChildAt(0));
    // What the selection started has run: only the edit can check again.
    QTest::qWait(1000);
    panes::PropertyGrid& grid = *properties->Sheet()->Grid();
    panes::PropertyRow* pos = properties->Sheet()->Row(panes::PropertyRowId::Pos);
    ASSERT_NE(pos, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !grid.ValueRect(pos).isEmpty(); }));
    QTest::mouseClick(grid.Tree()->viewport(), Qt::LeftButton, {}, grid.ValueRect(pos).center());
    ASSERT_TRUE(grid.IsEditing());
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("100, 150, 300, 200"));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lost->GetPos() == platform::Rect{100, 150, 300, 200}; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return RowAbout(pane, 0) == nullptr; }, 3000));
}

} // namespace
} // namespace app::test
