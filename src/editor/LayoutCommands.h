#pragma once

namespace editor {

class CDesignerView;

// The Form edit commands that line up and size the selection against its
// primary element.
enum class LayoutCommand
{
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    // Centre the group on its parent, keeping its arrangement.
    CentreVertically,
    CentreHorizontally,
    // Equal gaps between the elements, the outer two staying.
    SpaceAcross,
    SpaceDown,
    SameWidth,
    SameHeight,
    SameSize,
};

// Whether the command is offered for the view's selection (never while a
// mouse drag runs); cheap enough for every idle pass.
bool CanRunLayoutCommand(const CDesignerView& view, LayoutCommand command);

// Runs the command on the view's selection. The page itself is never moved
// or resized. A command that moves or resizes nothing records nothing;
// otherwise it is one undoable change. True when something changed.
bool RunLayoutCommand(CDesignerView& view, LayoutCommand command);

} // namespace editor
