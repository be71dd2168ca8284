#include "editor/EditHistory.h"

#include "document/DesignerDoc.h"

#include <utility>

namespace editor {

void EditHistory::Reset(document::CDesignerDoc* document)
{
    m_document = document;
    m_clean = 0;
    m_current = 0;
    // Released after the fields are consistent: an action's elements may
    // run code of their own when they die.
    std::vector<EditAction> released;
    released.swap(m_actions);
}

void EditHistory::Push(EditAction action)
{
    // A saved state in the branch being dropped can never come back, so the
    // template stays modified until it is saved again.
    if (m_clean > m_current) {
        m_clean = -1;
    }
    std::vector<EditAction> dropped(std::make_move_iterator(m_actions.begin() + m_current),
                                    std::make_move_iterator(m_actions.end()));
    m_actions.resize(static_cast<std::size_t>(m_current));
    m_actions.push_back(std::move(action));
    ++m_current;
    UpdateModifiedFlag();
    Changed();
}

void EditHistory::Undo()
{
    if (!CanUndo()) {
        return;
    }
    --m_current;
    // A copy: the action may push or reset while it runs.
    const EditAction action = m_actions[static_cast<std::size_t>(m_current)];
    action(true);
    UpdateModifiedFlag();
    Changed();
}

void EditHistory::Redo()
{
    if (!CanRedo()) {
        return;
    }
    const EditAction action = m_actions[static_cast<std::size_t>(m_current)];
    action(false);
    ++m_current;
    UpdateModifiedFlag();
    Changed();
}

void EditHistory::MarkChangedOutside()
{
    m_clean = -1;
    UpdateModifiedFlag();
    Changed();
}

void EditHistory::UpdateModifiedFlag()
{
    if (m_document != nullptr) {
        m_document->SetModifiedFlag(m_clean != m_current);
    }
}

void EditHistory::Changed()
{
    if (m_listener) {
        m_listener();
    }
}

} // namespace editor
