#pragma once

namespace MarkupUI {
class CControlUI;
}

namespace editor {

// What the design view needs from the property sheet and its pane. The
// properties pane implements it; the application hands it to the view.
class PropertySheetSink
{
public:
    virtual ~PropertySheetSink() = default;

    // Shows the rows of one element, or empties the sheet (nullptr).
    // Showing the element already shown reloads nothing.
    virtual void ShowProperty(MarkupUI::CControlUI* element) = 0;
    // The element whose rows are shown, or nullptr.
    virtual MarkupUI::CControlUI* ShownElement() const = 0;
    // Hides every row; the sheet then shows no element.
    virtual void HideAllRows(bool redraw) = 0;
    // Refreshes the position rows from the element, when it is the one shown.
    virtual void UpdatePosRows(MarkupUI::CControlUI* element) = 0;
    // The view moved or resized an element with the mouse: what 1 refreshes
    // its position rows, what 4 the form's margin rows.
    virtual void NotifyElementChanged(MarkupUI::CControlUI* element, int what) = 0;
};

} // namespace editor
