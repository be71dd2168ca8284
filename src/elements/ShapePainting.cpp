// The shapes draw only their stroke, in the border colour with the border
// size as width; a size of 0 or less draws nothing.
#include "elements/ShapeElements.h"

#include "platform/DrawingContext.h"

namespace MarkupUI {

using platform::DrawingContext;
using platform::OpaqueColor;
using platform::Point;
using platform::Rect;

namespace {
int32_t Middle(int32_t a, int32_t b)
{
    return static_cast<int32_t>((int64_t(a) + b) / 2);
}
} // namespace

void CHorzontalLineUI::DoPaint(DrawingContext& dc, const Rect& paint)
{
    m_paintRect = platform::Intersect(paint, m_pos);
    if (m_borderSize <= 0) {
        return;
    }
    const int32_t y = Middle(m_pos.top, m_pos.bottom);
    dc.DrawLine(Point{m_pos.left, y}, Point{m_pos.right, y}, m_borderSize, OpaqueColor(m_borderColor));
}

void CVerticalLineUI::DoPaint(DrawingContext& dc, const Rect& paint)
{
    m_paintRect = platform::Intersect(paint, m_pos);
    if (m_borderSize <= 0) {
        return;
    }
    const int32_t x = Middle(m_pos.left, m_pos.right);
    dc.DrawLine(Point{x, m_pos.top}, Point{x, m_pos.bottom}, m_borderSize, OpaqueColor(m_borderColor));
}

void CRectangleUI::DoPaint(DrawingContext& dc, const Rect& paint)
{
    m_paintRect = platform::Intersect(paint, m_pos);
    if (m_borderSize > 0) {
        dc.DrawFrameRect(m_pos, m_borderSize, OpaqueColor(m_borderColor));
    }
}

void CCircularUI::DoPaint(DrawingContext& dc, const Rect& paint)
{
    m_paintRect = platform::Intersect(paint, m_pos);
    if (m_borderSize > 0) {
        dc.DrawFrameEllipse(m_pos, m_borderSize, OpaqueColor(m_borderColor));
    }
}

} // namespace MarkupUI
