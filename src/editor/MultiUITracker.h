#pragma once

#include "controls/ControlUI.h"
#include "editor/UITracker.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace editor {

// Applies a finished drag: the element whose tracker was dragged, the new
// rectangles and the elements they belong to, in the same order.
using CommitCallback = std::function<void(MarkupUI::CControlUI* tracked, const std::vector<platform::Rect>& rects,
                                          const std::vector<MarkupUI::CControlUI*>& elements)>;

// One selected element. The element stays owned by its parent; the view
// takes it out of the selection before it leaves the page.
class CTrackerElement
{
public:
    CTrackerElement(MarkupUI::CControlUI* element, CommitCallback commit);

    MarkupUI::CControlUI* Element() const { return m_element; }
    // 3 for the form, 2 for a container, 1 for any other element.
    int Kind() const { return m_kind; }
    void Commit(const std::vector<platform::Rect>& rects, const std::vector<MarkupUI::CControlUI*>& elements) const;

private:
    MarkupUI::CControlUI* m_element;
    int m_kind;
    CommitCallback m_commit;
};

// The design view's selection: the selected elements in the order they were
// picked, the primary one (the reference of alignment, the one the sheet
// shows, drawn with white handles), and the bounds group moves stay in.
class CMultiUITracker : public CUITracker
{
public:
    // False when the element was selected already: that one becomes
    // primary and the new tracker element is dropped.
    bool AddToSelection(std::unique_ptr<CTrackerElement> element);
    void ClearSelection();
    void RemoveFromSelection(int index);
    // The selected elements, leaving out any whose ancestor is selected too.
    std::vector<MarkupUI::ControlPtr> GetSelection() const;

    int Count() const { return static_cast<int>(m_selection.size()); }
    CTrackerElement* At(int index) const { return m_selection[static_cast<std::size_t>(index)].get(); }
    CTrackerElement* Primary() const { return m_primary; }
    // The index of an element's tracker, or -1.
    int IndexOf(const MarkupUI::CControlUI* element) const;

    platform::Size MoveBounds() const { return m_moveBounds; }
    void SetMoveBounds(platform::Size bounds) { m_moveBounds = bounds; }

    // The first hit of the selected elements' handles and bodies, -1 for none.
    int HitTestSelection(platform::Point point);
    // The first selected element whose body holds the point becomes primary.
    bool MakePrimaryAt(platform::Point point);
    // The selected element whose handle or body the point hits first, with
    // that hit; nothing when no selected element is hit.
    struct Hit
    {
        CTrackerElement* element;
        int code;
    };
    std::optional<Hit> FindHit(platform::Point point);
    // The resize cursor for a point over a handle or body.
    std::optional<Qt::CursorShape> CursorAt(platform::Point point);

    void DrawSelection(QPainter& painter);
    // Points this tracker at one element's rectangle and kind.
    void TrackOne(const CTrackerElement& element);

private:
    std::vector<std::unique_ptr<CTrackerElement>> m_selection;
    CTrackerElement* m_primary = nullptr;
    platform::Size m_moveBounds;
};

} // namespace editor
