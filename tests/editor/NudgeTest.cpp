// Arrow-key nudges: runs of repeats make one change.
#include "ViewTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace editor::test {
namespace {

using MarkupUI::CControlUI;
using platform::Rect;

struct NudgeFixture : ViewFixture
{
    NudgeFixture()
    {
        view->SetClock([this] { return nowMs * 1000000; });
        element = Add(MarkupUI::kElementText, Rect{100, 100, 200, 140});
        view->SelectElements({element});
    }
    void Key(QEvent::Type type, int key, bool repeat)
    {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(view.get(), &event);
    }
    // A key held down: the first press, then repeats a few ms apart.
    void Hold(int key, int presses)
    {
        for (int i = 0; i < presses; ++i) {
            if (i > 0) {
                Key(QEvent::KeyRelease, key, true);
                nowMs += 30;
            }
            Key(QEvent::KeyPress, key, i > 0);
        }
    }
    void Up(int key) { Key(QEvent::KeyRelease, key, false); }

    int64_t nowMs = 5000;
    CControlUI* element = nullptr;
};

TEST(Nudge, TenRepeatsAreOneChangeThatUndoTakesBackWhole)
{
    NudgeFixture f;
    f.Hold(Qt::Key_Right, 10);
    f.Up(Qt::Key_Right);
    EXPECT_EQ(f.element->GetPos(), (Rect{110, 100, 210, 140}));
    EXPECT_EQ(f.view->History().Count(), 1);
    EXPECT_FALSE(f.sheet.posRefreshes.empty());
    f.view->Undo();
    EXPECT_EQ(f.element->GetPos(), (Rect{100, 100, 200, 140}));
    f.view->Redo();
    EXPECT_EQ(f.element->GetPos(), (Rect{110, 100, 210, 140}));
}

TEST(Nudge, AReleaseATurnOrAPauseStartsANewChange)
{
    struct Case
    {
        const char* what;
        std::function<void(NudgeFixture&)> between;
        int second;
    };
    const Case cases[] = {
        {"key released", [](NudgeFixture& f) { f.Up(Qt::Key_Right); }, Qt::Key_Right},
        {"direction changed", [](NudgeFixture&) {}, Qt::Key_Down},
        {"over a second", [](NudgeFixture& f) { f.nowMs += 1001; }, Qt::Key_Right},
    };
    for (const Case& c : cases) {
        NudgeFixture f;
        f.Hold(Qt::Key_Right, 3);
        c.between(f);
        f.Hold(c.second, 2);
        EXPECT_EQ(f.view->History().Count(), 2) << c.what;
    }
    // Exactly a second later the run goes on.
    NudgeFixture f;
    f.Hold(Qt::Key_Right, 3);
    f.nowMs += 1000;
    f.Hold(Qt::Key_Right, 1);
    EXPECT_EQ(f.view->History().Count(), 1);
}

TEST(Nudge, AnElementStopsWithOnePixelColumnStillOnThePage)
{
    NudgeFixture f;
    f.Hold(Qt::Key_Left, 199);
    EXPECT_EQ(f.element->GetPos(), (Rect{-99, 100, 1, 140}));
    f.Up(Qt::Key_Left);
    ASSERT_EQ(f.view->History().Count(), 1);
    f.Hold(Qt::Key_Left, 1);
    EXPECT_EQ(f.element->GetPos(), (Rect{-99, 100, 1, 140}));
    EXPECT_EQ(f.view->History().Count(), 1) << "a nudge that moves nothing records nothing";
}

TEST(Nudge, OnlyThePageSelectedMovesNothing)
{
    NudgeFixture f;
    f.view->SelectElements({&f.Form()});
    f.Hold(Qt::Key_Right, 3);
    EXPECT_EQ(f.Form().GetPos(), (Rect{0, 0, 464, 580}));
    EXPECT_EQ(f.view->History().Count(), 0);
}

TEST(Nudge, NudgesAfterASaveOrAnUndoAreNewChanges)
{
    // Saving in the middle of a run: what follows must read as unsaved.
    NudgeFixture f;
    f.Hold(Qt::Key_Right, 3);
    f.document.SetModifiedFlag(false);
    f.Hold(Qt::Key_Right, 2);
    EXPECT_TRUE(f.document.IsModified());
    EXPECT_EQ(f.view->History().Count(), 2);
    // Undo in the middle of a run: the next press is recorded again.
    f.view->Undo();
    f.Hold(Qt::Key_Right, 2);
    EXPECT_EQ(f.view->History().Count(), 2);
    f.view->Undo();
    EXPECT_EQ(f.element->GetPos(), (Rect{103, 100, 203, 140}));
    // Another change recorded in the middle of a run, as the properties
    // pane records its edits: the run's next press is a change of its own.
    f.Hold(Qt::Key_Right, 2);
    f.view->History().Push([](bool) {});
    f.Hold(Qt::Key_Right, 2);
    EXPECT_EQ(f.view->History().Count(), 4);
}

} // namespace
} // namespace editor::test
