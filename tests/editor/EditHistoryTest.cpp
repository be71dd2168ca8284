#include "document/DesignerDoc.h"
#include "editor/EditHistory.h"

#include <gtest/gtest.h>

#include <vector>

namespace editor {
namespace {

// A history whose actions change one number, as an edit changes the template.
struct Counter
{
    Counter()
    {
        document.OnNewDocument();
        history.Reset(&document);
    }
    void Set(int next)
    {
        const int before = value;
        value = next;
        history.Push([this, before, next](bool undo) { value = undo ? before : next; });
    }
    // What the document does when it is saved.
    void Save()
    {
        history.MarkClean();
        document.SetModifiedFlag(false);
    }

    document::CDesignerDoc document;
    EditHistory history;
    int value = 0;
};

TEST(EditHistory, UndoAndRedoWalkTheChangesAndTheModifiedFlagFollowsTheSavedPosition)
{
    Counter c;
    c.Set(1);
    c.Set(2);
    EXPECT_TRUE(c.document.IsModified());
    c.Save();
    EXPECT_FALSE(c.document.IsModified());

    c.history.Undo();
    EXPECT_EQ(c.value, 1);
    EXPECT_TRUE(c.document.IsModified()) << "undo past the saved position";
    c.history.Undo();
    EXPECT_EQ(c.value, 0);
    EXPECT_FALSE(c.history.CanUndo());
    c.history.Undo(); // at the start: nothing happens
    EXPECT_EQ(c.value, 0);

    c.history.Redo();
    c.history.Redo();
    EXPECT_EQ(c.value, 2);
    EXPECT_FALSE(c.document.IsModified()) << "redo back to the saved position";
    EXPECT_FALSE(c.history.CanRedo());
}

TEST(EditHistory, ANewChangeDropsWhatCouldBeRedone)
{
    Counter c;
    c.Set(1);
    c.Set(2);
    c.history.Undo();
    c.Set(5);
    EXPECT_FALSE(c.history.CanRedo());
    EXPECT_EQ(c.history.Count(), 2);
    c.history.Undo();
    EXPECT_EQ(c.value, 1);
}

TEST(EditHistory, AnEditAfterUndoingPastTheSaveStaysModifiedUntilSaved)
{
    // Saved at position 2, undone to 1, edited: the position is 2 again but
    // the template is not the saved one, so closing must still ask.
    Counter c;
    c.Set(1);
    c.Set(2);
    c.Save();
    c.history.Undo();
    c.Set(7);
    EXPECT_EQ(c.history.CurrentPosition(), 2);
    EXPECT_TRUE(c.document.IsModified());
    c.history.Undo();
    c.history.Redo();
    EXPECT_TRUE(c.document.IsModified());
    c.Save();
    EXPECT_FALSE(c.document.IsModified());
}

TEST(EditHistory, AChangeUndoCannotTakeBackKeepsTheTemplateModifiedUntilSaved)
{
    // An image imported into the archive: walking the history back to the
    // saved position must not make the template read as saved.
    Counter c;
    c.Set(1);
    c.Save();
    c.history.MarkChangedOutside();
    EXPECT_TRUE(c.document.IsModified());
    c.history.Undo();
    c.history.Redo();
    EXPECT_TRUE(c.document.IsModified());
    c.Save();
    EXPECT_FALSE(c.document.IsModified());
}

} // namespace
} // namespace editor
