// Selecting, moving, resizing and placing elements with real mouse events.
#include "ViewTestSupport.h"

#include "check/TemplateCheck.h"
#include "elements/DesignLabelUI.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace editor::test {
namespace {

using MarkupUI::CControlUI;
using platform::Rect;

TEST(MouseEditing, HandlesResizeOneSelectedElementAndNeverBelowEightPixels)
{
    ViewFixture f;
    CControlUI* a = f.Add(MarkupUI::kElementText, Rect{100, 100, 200, 140});
    CControlUI* b = f.Add(MarkupUI::kElementText, Rect{100, 200, 200, 240});
    // The right-middle handle sits 6 px outside the right edge, mid-height.
    f.view->SelectElements({a, b});
    f.Drag(203, 120, 260, 120);
    EXPECT_EQ(a->GetPos(), (Rect{100, 100, 200, 140})) << "several selected: handles do nothing";
    EXPECT_EQ(f.view->History().Count(), 0);

    f.view->SelectElements({a});
    f.Drag(203, 120, 260, 125);
    EXPECT_EQ(a->GetPos(), (Rect{100, 100, 257, 140}));
    EXPECT_EQ(f.view->History().Count(), 1);
    EXPECT_TRUE(f.document.IsModified());
    f.Drag(260, 120, 20, 120);
    EXPECT_EQ(a->GetPos(), (Rect{100, 100, 108, 140})) << "held at the minimum, on its own side";

    f.view->Undo();
    EXPECT_EQ(a->GetPos(), (Rect{100, 100, 257, 140}));
    f.view->Undo();
    EXPECT_EQ(a->GetPos(), (Rect{100, 100, 200, 140}));
    EXPECT_FALSE(f.document.IsModified());
}

TEST(MouseEditing, EscapeAndTheRightButtonGiveAResizeUp)
{
    ViewFixture f;
    CControlUI* a = f.Add(MarkupUI::kElementText, Rect{100, 100, 200, 140});
    f.view->SelectElements({a});
    for (int way = 0; way < 2; ++way) {
        f.Press(203, 120);
        f.MoveTo(250, 120);
        f.MoveTo(300, 120);
        if (way == 0) {
            QTest::keyClick(f.view.get(), Qt::Key_Escape);
        } else {
            QTest::mousePress(f.Port(), Qt::RightButton, {}, f.At(300, 120));
        }
        f.Release(300, 120);
        EXPECT_EQ(a->GetPos(), (Rect{100, 100, 200, 140})) << way;
        EXPECT_EQ(f.view->History().Count(), 0) << way;
    }
}

TEST(MouseEditing, AGroupMoveDroppedOffThePageMovesNothing)
{
    ViewFixture f;
    CControlUI* a = f.Add(MarkupUI::kElementText, Rect{100, 100, 200, 140});
    CControlUI* b = f.Add(MarkupUI::kElementRectangle, Rect{100, 200, 200, 240});
    f.view->SelectElements({a, b});

    f.Press(150, 120);
    f.MoveTo(300, 300);
    f.MoveTo(520, 300); // past the page's right edge at 464
    EXPECT_EQ(f.Port()->cursor().shape(), Qt::ForbiddenCursor);
    QTest::keyClick(f.view.get(), Qt::Key_Escape); // no effect on a move
    f.Release(520, 300);
    EXPECT_EQ(a->GetPos(), (Rect{100, 100, 200, 140}));
    EXPECT_EQ(b->GetPos(), (Rect{100, 200, 200, 240}));
    EXPECT_EQ(f.view->History().Count(), 0);
    EXPECT_FALSE(f.document.IsModified());

    // Back on the page before the release: the whole group moves.
    f.Press(150, 120);
    f.MoveTo(520, 300);
    f.MoveTo(180, 150);
    EXPECT_NE(f.Port()->cursor().shape(), Qt::ForbiddenCursor);
    f.Release(180, 150);
    EXPECT_EQ(a->GetPos(), (Rect{130, 130, 230, 170}));
    EXPECT_EQ(b->GetPos(), (Rect{130, 230, 230, 270}));
    EXPECT_EQ(f.view->History().Count(), 1);
    f.view->Undo();
    EXPECT_EQ(b->GetPos(), (Rect{100, 200, 200, 240}));
    f.view->Redo();
    EXPECT_EQ(b->GetPos(), (Rect{130, 230, 230, 270}));
}

TEST(MouseEditing, ClicksAndBandsSelect)
{
    ViewFixture f;
    CControlUI* a = f.Add(MarkupUI::kElementText, Rect{100, 100, 200, 140});
    CControlUI* b = f.Add(MarkupUI::kElementText, Rect{100, 200, 200, 240});
    CControlUI* c = f.Add(MarkupUI::kElementText, Rect{300, 300, 400, 340});
    CControlUI* form = &f.Form();

    f.Click(150, 120);
    EXPECT_EQ(f.Selected(), std::vector<CControlUI*>{a});
    EXPECT_EQ(f.sheet.shown, a);
    // The band selects by touching, in child order, the last one primary.
    f.Drag(90, 90, 150, 210);
    EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{a, b}));
    EXPECT_EQ(f.view->Tracker().Primary()->Element(), b);
    EXPECT_EQ(f.sheet.shown, nullptr) << "several selected: the sheet is empty";
    // A band touching nothing selects the page; so does a click on paper.
    f.Drag(250, 450, 290, 480);
    EXPECT_EQ(f.Selected(), std::vector<CControlUI*>{form});
    // Dragged up and to the left, a band keeps 8 px right of and below its
    // start, so it reaches c (whose left edge is 6 px away) and nothing else.
    f.Drag(294, 294, 150, 150);
    EXPECT_EQ(f.Selected(), std::vector<CControlUI*>{c});
    // On the page's own tracker a press bands instead of moving the page.
    f.Click(450, 570);
    ASSERT_EQ(f.Selected(), std::vector<CControlUI*>{form});
    f.Drag(250, 450, 270, 470);
    EXPECT_EQ(f.Form().GetPos(), (Rect{0, 0, 464, 580}));
}

TEST(MouseEditing, CtrlClickAddsElementsButNeverThePage)
{
    ViewFixture f;
    CControlUI* a = f.Add(MarkupUI::kElementText, Rect{100, 100, 200, 140});
    CControlUI* b = f.Add(MarkupUI::kElementText, Rect{100, 200, 200, 240});
    CControlUI* form = &f.Form();

    f.Click(150, 120);
    f.Click(150, 220, Qt::ControlModifier);
    EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{a, b}));
    EXPECT_EQ(f.view->Tracker().Primary()->Element(), b);
    // On a selected element: the selection stays, that one becomes primary.
    f.Click(150, 120, Qt::ControlModifier);
    EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{a, b}));
    EXPECT_EQ(f.view->Tracker().Primary()->Element(), a);
    // On paper or on the page itself: nothing at all.
    f.Click(300, 450, Qt::ControlModifier);
    f.Click(600, 450, Qt::ControlModifier);
    EXPECT_EQ(f.Selected(), (std::vector<CControlUI*>{a, b}));

    // With the page selected, Ctrl+click takes an element instead of it.
    f.view->SelectElements({form});
    f.Click(150, 120, Qt::ControlModifier);
    EXPECT_EQ(f.Selected(), std::vector<CControlUI*>{a});
    // The Ctrl key alone with only the page selected empties the selection.
    f.view->SelectElements({form});
    QTest::keyPress(f.view.get(), Qt::Key_Control);
    EXPECT_TRUE(f.Selected().empty());
    QTest::keyRelease(f.view.get(), Qt::Key_Control);
}

TEST(MouseEditing, ToolsPlaceElementsAndGiveWayToThePointer)
{
    struct Case
    {
        int dx;
        int dy;
        Rect placed;
    };
    // A click or a band under 10 px both ways: the default 60 x 30. A band
    // one way longer: its own size, the short side held at 8.
    const Case cases[] = {
        {0, 0, Rect{100, 100, 160, 130}},
        {5, 5, Rect{100, 100, 160, 130}},
        {20, 5, Rect{100, 100, 120, 108}},
        {80, 40, Rect{100, 100, 180, 140}},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.tools.selected = MarkupUI::kElementText;
        if (c.dx == 0) {
            f.Click(100, 100);
        } else {
            f.Drag(100, 100, 100 + c.dx, 100 + c.dy);
        }
        ASSERT_EQ(f.Form().GetCount(), 1) << c.dx;
        CControlUI* placed = f.Form().GetItemAt(0);
        EXPECT_EQ(placed->GetElementKind(), MarkupUI::kElementText);
        EXPECT_EQ(placed->GetPos(), c.placed) << c.dx << "," << c.dy;
        EXPECT_EQ(placed->GetDesignLevel(), 1);
        EXPECT_EQ(f.Selected(), std::vector<CControlUI*>{placed});
        EXPECT_EQ(f.sheet.shown, placed);
        EXPECT_EQ(f.tools.selected, MarkupUI::kElementPointerTool);
        EXPECT_TRUE(f.document.IsModified());
    }
    // Off the page nothing is placed, but the tool still goes back.
    ViewFixture f;
    f.tools.selected = MarkupUI::kElementCircle;
    f.Click(600, 300);
    EXPECT_EQ(f.Form().GetCount(), 0);
    EXPECT_EQ(f.tools.selected, MarkupUI::kElementPointerTool);
    EXPECT_EQ(f.view->History().Count(), 0);
}

TEST(MouseEditing, UndoingAPlacementGivesTheNumberToolBackAndRedoTakesItAgain)
{
    ViewFixture f;
    f.tools.selected = MarkupUI::kElementQueuingNum;
    f.Drag(100, 100, 300, 180);
    ASSERT_EQ(f.Form().GetCount(), 1);
    EXPECT_FALSE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementQueuingNum));
    f.view->Undo();
    EXPECT_EQ(f.Form().GetCount(), 0);
    EXPECT_TRUE(f.tools.IsToolOfKindEnabled(MarkupUI::kElementQueuingNum));
    EXPECT_EQ(f.sheet.shown, nullptr);
    EXPECT_FALSE(f.document.IsModified());

    // Picked again while absent, then brought back by redo: the tool goes
    // back to the pointer, and the view would not place a second one.
    f.tools.selected = MarkupUI::kElementQueuingNum;
    f.view->Redo();
    EXPECT_EQ(f.Form().GetCount(), 1);
    EXPECT_EQ(f.tools.selected, MarkupUI::kElementPointerTool);
    EXPECT_EQ(f.view->CreateElement(MarkupUI::kElementQueuingNum, Rect{10, 10, 50, 50}), nullptr);
    EXPECT_EQ(f.Form().GetCount(), 1);
}

TEST(MouseEditing, ThePageIsResizedByItsOwnHandlesWithinItsLimits)
{
    ViewFixture f;
    f.Click(300, 450);
    ASSERT_EQ(f.Selected(), std::vector<CControlUI*>{&f.Form()});
    // The bottom handle sits 6 px below the page, mid-width.
    f.Drag(232, 583, 232, 403);
    EXPECT_EQ(f.view->FormSize(), (platform::Size{464, 400}));
    f.Drag(232, 403, 232, 10);
    EXPECT_EQ(f.view->FormSize(), (platform::Size{464, 320})) << "40 mm at 8 px a millimetre";
    f.view->Undo();
    EXPECT_EQ(f.view->FormSize(), (platform::Size{464, 400}));
    f.view->Undo();
    EXPECT_EQ(f.view->FormSize(), (platform::Size{464, 580}));
}

TEST(MouseEditing, ADragEndsWhenTheWindowLosesTheMouse)
{
    // Another window taking over mid-drag: a move dropped on the page
    // commits, a resize keeps what it reached, and nothing stays stuck.
    ViewFixture f;
    CControlUI* a = f.Add(MarkupUI::kElementText, Rect{100, 100, 200, 140});
    f.view->SelectElements({a});
    // A move by (20, 10), then the right-middle handle (now at 223, 130) by 20.
    for (int resize = 0; resize < 2; ++resize) {
        f.Press(resize != 0 ? 223 : 150, resize != 0 ? 130 : 120);
        f.MoveTo(resize != 0 ? 243 : 170, resize != 0 ? 140 : 130);
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(f.view.get(), &deactivate);
        f.MoveTo(400, 400); // no button any more: an idle move
    }
    EXPECT_EQ(a->GetPos(), (Rect{120, 110, 240, 150}));
    EXPECT_EQ(f.view->History().Count(), 2);
    EXPECT_EQ(f.Port()->cursor().shape(), Qt::ArrowCursor);
}

TEST(MouseEditing, KindMarkersSelectTheirElement)
{
    ViewFixture f;
    CControlUI* wide = f.Add(MarkupUI::kElementText, Rect{334, 300, 434, 330});
    wide->SetText("Window");
    f.Click(445, 305); // the marker, 6 px right of the element
    EXPECT_EQ(f.Selected(), std::vector<CControlUI*>{wide});
}

// Placed by a click on either paper, anywhere on the page, a field prints its
// widest value uncut and raises nothing in the check, in a face that is
// installed rather than substituted.
TEST(MouseEditing, FieldsPlacedByAClickPassTheCheckAsPlaced)
{
    const int kinds[] = {MarkupUI::kElementQueuingNum, MarkupUI::kElementWaitingCount,
                         MarkupUI::kElementCurrentNum, MarkupUI::kElementTime};
    for (const char* paper : {"58", "80"}) {
        for (const int kind : kinds) {
            for (const int x : {60, 117, 203}) {
                ViewFixture f;
                f.Form().SetAttribute(QStringLiteral("model"), QString::fromLatin1(paper));
                f.Form().SetPos(f.Form().GetPos());
                f.tools.selected = kind;
                f.Click(x, 150);
                ASSERT_EQ(f.Form().GetCount(), 1) << paper << " " << kind;
                CControlUI* placed = f.Form().GetItemAt(0);
                const std::vector<check::Finding> findings = check::CheckTemplate(f.Form());
                for (const check::Finding& finding : findings) {
                    ADD_FAILURE() << paper << " mm, kind " << kind << " at " << x << ": "
                                  << finding.code.toStdString() << " " << finding.message.toStdString();
                }
                EXPECT_EQ(placed->GetPos().left, x);
                auto* label = static_cast<MarkupUI::CDesignLabelUI*>(
                    placed->GetInterface(QStringLiteral("DesignLabel")));
                ASSERT_NE(label, nullptr);
                EXPECT_EQ(QFontInfo(label->GetDrawingFont()).family(), QStringLiteral("Liberation Mono"));
            }
        }
    }
}

} // namespace
} // namespace editor::test
