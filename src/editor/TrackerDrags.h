#pragma once

#include "controls/ControlUI.h"
#include "editor/MultiUITracker.h"

#include <vector>

namespace editor {

// Dragging one handle of a rectangle: a single element's resize, and the
// rubber band. The edges the handle names follow the mouse at the distance
// they started from; the rectangle never turns inside out and keeps the
// minimum size on the edges that move.
class HandleDrag
{
public:
    HandleDrag(const CUITracker& tracker, int handle, platform::Point start);

    // Follows the mouse; true when the rectangle changed.
    bool MoveTo(platform::Point point);
    // Puts the rectangle back as it was.
    void Cancel();

    const platform::Rect& Current() const { return m_tracker.rect; }
    const platform::Rect& Original() const { return m_original; }
    bool Changed() const { return !(m_tracker.rect == m_original); }
    // The frame drawn while dragging, in page coordinates.
    platform::Rect Outline() const;

private:
    CUITracker m_tracker;
    platform::Rect m_original;
    bool m_left = false;
    bool m_right = false;
    bool m_top = false;
    bool m_bottom = false;
    // Edge minus mouse at the start, per axis.
    int64_t m_offsetX = 0;
    int64_t m_offsetY = 0;
};

// Moving the selected elements that share the primary element's parent.
// Only their rectangles move while dragging; the elements move when the
// drag is committed, and not at all when it is dropped off the page.
class GroupMove
{
public:
    GroupMove(const CMultiUITracker& tracker, platform::Point start);

    // Follows the mouse to a page point.
    void MoveTo(platform::Point point);
    // The mouse is off the page: a drop there moves nothing.
    bool IsOutside() const { return m_outside; }
    // Some rectangle is not where it started.
    bool Changed() const;

    // The elements that move with the primary one and their rectangles, in
    // selection order, for the commit.
    const std::vector<MarkupUI::CControlUI*>& Elements() const { return m_elements; }
    const std::vector<platform::Rect>& Rects() const { return m_rects; }
    std::vector<platform::Rect> Outlines() const;

private:
    platform::Size m_bounds;
    platform::Point m_last;
    bool m_outside = false;
    std::vector<MarkupUI::CControlUI*> m_elements;
    std::vector<bool> m_floating;
    std::vector<platform::Rect> m_originals;
    std::vector<platform::Rect> m_rects;
};

} // namespace editor
