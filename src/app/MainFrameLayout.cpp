// The Form edit commands and the clipboard's, handled by the design view.
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "editor/ClipboardCommands.h"
#include "editor/DesignerView.h"
#include "editor/LayoutCommands.h"

#include <utility>

namespace app {

namespace {

constexpr std::pair<int, editor::LayoutCommand> kLayoutCommands[] = {
    {ID_ALIGN_LEFT, editor::LayoutCommand::AlignLeft},
    {ID_ALIGN_RIGHT, editor::LayoutCommand::AlignRight},
    {ID_ALIGN_TOP, editor::LayoutCommand::AlignTop},
    {ID_ALIGN_BOTTOM, editor::LayoutCommand::AlignBottom},
    {ID_CENTRE_VERTICAL, editor::LayoutCommand::CentreVertically},
    {ID_CENTRE_HORIZONTAL, editor::LayoutCommand::CentreHorizontally},
    {ID_SPACE_ACROSS, editor::LayoutCommand::SpaceAcross},
    {ID_SPACE_DOWN, editor::LayoutCommand::SpaceDown},
    {ID_SAME_WIDTH, editor::LayoutCommand::SameWidth},
    {ID_SAME_HEIGHT, editor::LayoutCommand::SameHeight},
    {ID_SAME_SIZE, editor::LayoutCommand::SameSize},
};

} // namespace

void CMainFrame::InstallLayoutHandlers()
{
    CommandTable& c = *m_commands;
    for (const auto& [id, command] : kLayoutCommands) {
        c.SetHandler(id, [this, command] { editor::RunLayoutCommand(*m_view, command); });
        c.SetUpdateRule(id, [this, command] {
            return CommandState{editor::CanRunLayoutCommand(*m_view, command), false};
        });
    }

    // The view owns its clipboard commands; they go with it.
    auto* clipboard = new editor::CClipboardCommands(*m_view);
    c.SetHandler(ID_EDIT_COPY, [clipboard] { clipboard->Copy(); });
    c.SetUpdateRule(ID_EDIT_COPY, [clipboard] { return CommandState{clipboard->CanCopy(), false}; });
    c.SetHandler(ID_EDIT_PASTE, [clipboard] { clipboard->Paste(); });
    c.SetUpdateRule(ID_EDIT_PASTE, [clipboard] { return CommandState{clipboard->CanPaste(), false}; });
    c.SetHandler(ID_DELETE_CONTROLS, [clipboard] { clipboard->DeleteSelection(); });
    c.SetUpdateRule(ID_DELETE_CONTROLS, [clipboard] { return CommandState{clipboard->CanDelete(), false}; });
    connect(m_view, &editor::CDesignerView::DeleteRequested, clipboard, [this, clipboard] {
        clipboard->DeleteSelection();
        m_commands->UpdateAll();
    });
    // Paste follows the clipboard at once, not only on the next idle pass.
    connect(clipboard, &editor::CClipboardCommands::PasteOfferChanged, m_commands, &CommandTable::UpdateAll);
}

} // namespace app
