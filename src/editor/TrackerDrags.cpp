#include "editor/TrackerDrags.h"

#include <limits>

namespace editor {

using MarkupUI::CControlUI;
using platform::Point;
using platform::Rect;
using platform::SaturatingAdd;

namespace {

int32_t Clamp32(int64_t value)
{
    return SaturatingAdd(0, value);
}

// Holds one moving edge at least `minimum` away from the fixed one, on the
// side it started on.
void KeepMinimum(int32_t& moving, int32_t fixed, bool movingIsLow, int32_t minimum)
{
    if (movingIsLow) {
        if (int64_t(fixed) - moving < minimum) {
            moving = Clamp32(int64_t(fixed) - minimum);
        }
    } else if (int64_t(moving) - fixed < minimum) {
        moving = Clamp32(int64_t(fixed) + minimum);
    }
}

} // namespace

HandleDrag::HandleDrag(const CUITracker& tracker, int handle, Point start)
    : m_tracker(tracker), m_original(tracker.rect)
{
    const int visible = m_tracker.VisibleHandle(handle);
    // Corners move both axes; side middles one.
    if (visible != 4 && visible != 6) {
        const bool left = visible == 0 || visible == 3 || visible == 7;
        (left ? m_left : m_right) = true;
    }
    if (visible != 5 && visible != 7) {
        const bool top = visible == 0 || visible == 1 || visible == 4;
        (top ? m_top : m_bottom) = true;
    }
    const Rect& r = m_tracker.rect;
    m_offsetX = (m_left ? r.left : r.right) - int64_t(start.x);
    m_offsetY = (m_top ? r.top : r.bottom) - int64_t(start.y);
}

bool HandleDrag::MoveTo(Point point)
{
    Rect next = m_tracker.rect;
    const int32_t x = Clamp32(int64_t(point.x) + m_offsetX);
    const int32_t y = Clamp32(int64_t(point.y) + m_offsetY);
    if (m_left) {
        next.left = x;
    }
    if (m_right) {
        next.right = x;
    }
    if (m_top) {
        next.top = y;
    }
    if (m_bottom) {
        next.bottom = y;
    }
    const platform::Size minimum = m_tracker.minimumSize;
    if (!m_tracker.allowInvert) {
        if (m_left) {
            KeepMinimum(next.left, next.right, true, minimum.cx);
        } else if (m_right) {
            KeepMinimum(next.right, next.left, false, minimum.cx);
        }
        if (m_top) {
            KeepMinimum(next.top, next.bottom, true, minimum.cy);
        } else if (m_bottom) {
            KeepMinimum(next.bottom, next.top, false, minimum.cy);
        }
    }
    if (next == m_tracker.rect) {
        return false;
    }
    m_tracker.rect = next;
    return true;
}

void HandleDrag::Cancel()
{
    m_tracker.rect = m_original;
}

Rect HandleDrag::Outline() const
{
    Rect outline = Ordered(m_tracker.rect);
    if ((m_tracker.style & (CUITracker::kSolidLine | CUITracker::kDottedLine)) != 0) {
        outline = Inflated(outline, m_tracker.EffectiveHandleSize() / 2);
    }
    return outline;
}

GroupMove::GroupMove(const CMultiUITracker& tracker, Point start) : m_bounds(tracker.MoveBounds()), m_last(start)
{
    const CTrackerElement* primary = tracker.Primary();
    const CControlUI* parent = primary != nullptr ? primary->Element()->GetParent() : nullptr;
    for (int i = 0; i < tracker.Count(); ++i) {
        CControlUI* element = tracker.At(i)->Element();
        if (element->GetParent() != parent) {
            continue;
        }
        m_elements.push_back(element);
        m_floating.push_back(element->IsFloat());
        m_originals.push_back(element->GetPos());
    }
    m_rects = m_originals;
}

void GroupMove::MoveTo(Point point)
{
    m_outside = point.x < 0 || point.y < 0 || point.x > m_bounds.cx || point.y > m_bounds.cy;
    const int64_t dx = int64_t(point.x) - m_last.x;
    const int64_t dy = int64_t(point.y) - m_last.y;
    for (std::size_t i = 0; i < m_rects.size(); ++i) {
        if (!m_floating[i]) {
            continue;
        }
        Rect& r = m_rects[i];
        r = Rect{SaturatingAdd(r.left, dx), SaturatingAdd(r.top, dy), SaturatingAdd(r.right, dx),
                 SaturatingAdd(r.bottom, dy)};
    }
    m_last = point;
}

bool GroupMove::Changed() const
{
    return m_rects != m_originals;
}

std::vector<Rect> GroupMove::Outlines() const
{
    std::vector<Rect> outlines;
    for (std::size_t i = 0; i < m_rects.size(); ++i) {
        if (m_floating[i]) {
            outlines.push_back(m_rects[i]);
        }
    }
    return outlines;
}

} // namespace editor
