#pragma once

#include <QPixmap>

namespace editor {

// What the design view needs from the toolbox. The toolbox implements it;
// the application hands it to the view.
class ToolSource
{
public:
    virtual ~ToolSource() = default;

    // 100 for the pointer, otherwise the element kind (102 to 111) a press
    // in the view places.
    virtual int SelectedToolId() const = 0;
    // Makes the pointer the picked tool again, redrawing both rows.
    virtual void SelectPointerTool() = 0;
    // Greys out (or restores) the tool of an element kind and repaints its
    // row at once. Only the ticket number, waiting count and now-serving
    // kinds (104 to 106) are ever disabled.
    virtual void EnableToolOfKind(int kind, bool enabled) = 0;
    virtual bool IsToolOfKindEnabled(int kind) const = 0;
    // The 16 x 16 icon of the tool of a kind, drawn as that kind's marker in
    // the view; null when the kind has no tool.
    virtual QPixmap ToolIcon(int kind) const = 0;
};

} // namespace editor
