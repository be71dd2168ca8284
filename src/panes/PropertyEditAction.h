#pragma once

#include "controls/ControlUI.h"
#include "panes/PropertyRowId.h"
#include "platform/FontDescription.h"
#include "platform/Geometry.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace MarkupUI {
class CFormUI;
}

namespace editor {
class DesignSurface;
}

namespace panes {

class CPropertiesWnd;

// A time element's format, with the exact text it showed: undo gives that
// text back even when it was typed or read from a file. Without a text the
// element shows what the format renders.
struct TimeFormatValue
{
    int index = 0;
    std::optional<QString> text;
    friend bool operator==(const TimeFormatValue&, const TimeFormatValue&) = default;
};

// One value as a property edit applies it.
using PropertyChange =
    std::variant<int32_t, QString, platform::Rect, platform::FontDescription, TimeFormatValue>;

// The undoable record of one applied property edit: called with true it
// writes the old value back (undo), with false the new one (redo); the
// first application is a redo. Each run writes the element (or the form)
// by the element's own operations, repeats the row's cascade, and writes
// the rows only while the sheet shows that very element.
class PropertyEditAction
{
public:
    // element: the edited element, held so that it outlives the action;
    // null for the page settings, which go to the surface's form, and only
    // while that is still `form`.
    PropertyEditAction(PropertyRowId id, MarkupUI::ControlPtr element, MarkupUI::CFormUI* form,
                       PropertyChange before, PropertyChange after, QPointer<CPropertiesWnd> pane,
                       editor::DesignSurface* surface);

    void operator()(bool undo) const;

    PropertyRowId Id() const { return m_id; }
    const PropertyChange& Before() const { return m_before; }
    const PropertyChange& After() const { return m_after; }

private:
    MarkupUI::CControlUI* Target() const;
    MarkupUI::CFormUI* LiveForm() const;
    bool WriteElement(const PropertyChange& value) const;
    void WriteRows(const PropertyChange& value) const;
    void Cascade() const;

    PropertyRowId m_id;
    MarkupUI::ControlPtr m_element;
    MarkupUI::CFormUI* m_form;
    PropertyChange m_before;
    PropertyChange m_after;
    QPointer<CPropertiesWnd> m_pane;
    editor::DesignSurface* m_surface;
};

// Places an element at a rectangle relative to its form, keeping the
// offset and size the template stores in step.
void PlaceElement(MarkupUI::CControlUI& element, const platform::Rect& rect);
// The element's rectangle relative to its form, as the position rows show it.
platform::Rect ElementRect(const MarkupUI::CControlUI& element);

} // namespace panes
