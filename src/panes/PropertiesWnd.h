#pragma once

#include "editor/PropertySheetSink.h"
#include "panes/PropertyEditAction.h"
#include "panes/PropertyRowId.h"

#include <QDockWidget>

namespace editor {
class DesignSurface;
}

namespace panes {

class CUIProperties;
class PropertyRow;

// The "Properties" pane on the right of the main window. It hosts the
// property sheet and turns a committed row into a change of the template:
// the value is checked, written into the element or the form, followed by
// the rows and the view that depend on it, and recorded in the view's edit
// history so that it can be undone.
class CPropertiesWnd : public QDockWidget, public editor::PropertySheetSink
{
    Q_OBJECT
public:
    explicit CPropertiesWnd(QWidget* parent = nullptr);
    ~CPropertiesWnd() override;

    // The view edits go to; none drops every edit. The application clears
    // it before the view goes away.
    void SetDesignSurface(editor::DesignSurface* surface) { m_surface = surface; }
    editor::DesignSurface* Surface() const { return m_surface; }
    CUIProperties* Sheet() const { return m_sheet; }

    // editor::PropertySheetSink
    void ShowProperty(MarkupUI::CControlUI* element) override;
    MarkupUI::CControlUI* ShownElement() const override;
    void HideAllRows(bool redraw) override;
    void UpdatePosRows(MarkupUI::CControlUI* element) override;
    void NotifyElementChanged(MarkupUI::CControlUI* element, int what) override;

    // Checks, applies and records the committed edit of a top-level row.
    void ApplyPropertyChange(PropertyRow& row, PropertyRowId id);

private:
    // Gives the row its old value back and tells the operator why.
    void Refuse(PropertyRow& row, const QString& why);
    // Shows why an edit was refused or how it was corrected, in full under
    // the grid and shortly in the status bar.
    void Note(const QString& text);
    void Record(PropertyRowId id, MarkupUI::CControlUI* element, PropertyChange before, PropertyChange after);
    // A number outside [lower, upper] is refused with the reason.
    bool CheckRange(PropertyRow& row, PropertyRow& valueRow, int32_t lower, int32_t upper);
    void ApplyPageSetting(PropertyRow& row, PropertyRowId id, MarkupUI::CFormUI& form);
    void ApplyElementSetting(PropertyRow& row, PropertyRowId id, MarkupUI::CControlUI& element);

    CUIProperties* m_sheet;
    editor::DesignSurface* m_surface = nullptr;
};

} // namespace panes
