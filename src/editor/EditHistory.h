#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace document {
class CDesignerDoc;
}

namespace editor {

// One undoable change: called with true to restore the state before the
// change (undo) and with false to make it again (redo). It holds the values
// and element references it needs, never a copy of the template.
using EditAction = std::function<void(bool undo)>;

// The design view's list of changes with the current and the saved
// position; it keeps the document's modified flag in step with them.
class EditHistory
{
public:
    // Starts empty for a document (none: the flag is left alone).
    void Reset(document::CDesignerDoc* document);

    // Called after every change is recorded, undone or redone, whoever made
    // it (the view, the property grid, the clipboard), so what follows the
    // template (the check's findings) never misses one.
    void SetChangeListener(std::function<void()> listener) { m_listener = std::move(listener); }

    // Records a change that has just been made, dropping what could be redone.
    void Push(EditAction action);
    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current < Count(); }
    void Undo();
    void Redo();

    // The document was saved (or is fresh): the current position is clean.
    void MarkClean() { m_clean = m_current; }
    // The template changed in a way undo does not take back (images put
    // into or taken out of its archive): it reads modified until saved.
    void MarkChangedOutside();

    int Count() const { return static_cast<int>(m_actions.size()); }
    int CurrentPosition() const { return m_current; }
    // Negative once the saved state can no longer be reached.
    int CleanPosition() const { return m_clean; }
    bool IsClean() const { return m_clean == m_current; }

private:
    void UpdateModifiedFlag();
    void Changed();

    document::CDesignerDoc* m_document = nullptr;
    int m_clean = 0;
    int m_current = 0;
    std::vector<EditAction> m_actions;
    std::function<void()> m_listener;
};

} // namespace editor
