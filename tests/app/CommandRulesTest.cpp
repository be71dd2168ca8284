#include "FrameTestSupport.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"

#include <QAction>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace app::test {
namespace {

bool Enabled(CMainFrame& frame, int id)
{
    return frame.Commands().Action(id)->isEnabled();
}

TEST(CommandRules, CommandsWithoutHandlerAreShownDisabled)
{
    FrameFixture f;
    for (int id :
         {ID_EDIT_UNDO, ID_EDIT_COPY, ID_EDIT_PASTE, ID_ALIGN_LEFT, ID_SAME_SIZE}) {
        QAction* action = f.frame->Commands().Action(id);
        EXPECT_FALSE(action->isEnabled()) << id;
        EXPECT_TRUE(action->isVisible()) << id;
    }
    for (int id :
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE_AS, ID_APP_EXIT, ID_APP_ABOUT, ID_WINDOW_TOOLBOX}) {
        EXPECT_TRUE(Enabled(*f.frame, id)) << id;
    }

    // A later handler is all it takes to enable a command.
    int runs = 0;
    f.frame->Commands().SetHandler(ID_FILE_PRINT_PREVIEW, [&runs] { ++runs; });
    f.frame->Commands().UpdateAll();
    ASSERT_TRUE(Enabled(*f.frame, ID_FILE_PRINT_PREVIEW));
    f.frame->Commands().Action(ID_FILE_PRINT_PREVIEW)->trigger();
    EXPECT_EQ(runs, 1);
}

TEST(CommandRules, CutIsNeverEnabled)
{
    FrameFixture f;
    f.frame->Commands().SetHandler(ID_EDIT_CUT, [] {});
    f.frame->Commands().UpdateAll();
    EXPECT_FALSE(Enabled(*f.frame, ID_EDIT_CUT));
}

TEST(CommandRules, SaveIsEnabledExactlyWhileModified)
{
    FrameFixture f;
    EXPECT_FALSE(Enabled(*f.frame, ID_FILE_SAVE));
    // The document's own notification updates the command, no idle pass needed.
    f.document.SetModifiedFlag(true);
    EXPECT_TRUE(Enabled(*f.frame, ID_FILE_SAVE));
    f.document.SetModifiedFlag(false);
    EXPECT_FALSE(Enabled(*f.frame, ID_FILE_SAVE));
}

TEST(CommandRules, DeviceCommandsFollowThePrinter)
{
    FrameFixture f;
    CommandTable& c = f.frame->Commands();
    const QList<int> deviceCommands{ID_UPLOAD_TEST_PAGE, ID_UPLOAD_DATA, ID_SET_DEVICE_TIME};
    for (int id : deviceCommands) {
        c.SetHandler(id, [] {});
    }
    c.SetHandler(ID_FILE_PRINT, [] {});

    c.UpdateAll();
    for (int id : deviceCommands) {
        EXPECT_FALSE(Enabled(*f.frame, id)) << "no printer " << id;
    }
    f.device.portOpen = true;
    c.UpdateAll();
    for (int id : deviceCommands) {
        EXPECT_TRUE(Enabled(*f.frame, id)) << "ready " << id;
    }
    f.device.transferIndex = 0;
    c.UpdateAll();
    for (int id : deviceCommands) {
        EXPECT_FALSE(Enabled(*f.frame, id)) << "transferring " << id;
    }
    EXPECT_TRUE(Enabled(*f.frame, ID_FILE_PRINT));
}

TEST(CommandRules, BarTogglesAreCheckedWhileTheBarIsShown)
{
    FrameFixture f;
    f.frame->show();
    CommandTable& c = f.frame->Commands();
    EXPECT_TRUE(c.Action(ID_VIEW_FORM_EDIT_TOOLBAR)->isChecked());
    c.Action(ID_VIEW_FORM_EDIT_TOOLBAR)->trigger();
    EXPECT_FALSE(f.frame->FormEditToolBar()->isVisible());
    EXPECT_FALSE(c.Action(ID_VIEW_FORM_EDIT_TOOLBAR)->isChecked());
    c.Action(ID_VIEW_FORM_EDIT_TOOLBAR)->trigger();
    EXPECT_TRUE(f.frame->FormEditToolBar()->isVisible());

    c.Action(ID_VIEW_STATUS_BAR)->trigger();
    EXPECT_FALSE(f.frame->statusBar()->isVisible());
    EXPECT_FALSE(c.Action(ID_VIEW_STATUS_BAR)->isChecked());
    c.Action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_FALSE(f.frame->StandardToolBar()->isVisible());
    EXPECT_FALSE(c.Action(ID_VIEW_TOOLBAR)->isChecked());
}

} // namespace
} // namespace app::test
