#include "elements/FormUI.h"

#include "controls/PaintManagerUI.h"
#include "platform/DrawingContext.h"

namespace MarkupUI {

using platform::DrawingContext;
using platform::Rect;

void CFormUI::DoPaint(DrawingContext& dc, const Rect& paint)
{
    PaintPage(dc, paint, false);
}

void CFormUI::DoPaintStatic(DrawingContext& dc, const Rect& paint)
{
    PaintPage(dc, paint, true);
}

void CFormUI::PaintPage(DrawingContext& dc, const Rect& paint, bool staticOnly)
{
    const platform::Size surface =
        m_manager != nullptr ? m_manager->GetInitSize() : platform::Size{GetWidth(), GetHeight()};
    const int64_t width = int64_t(surface.cx) - m_margins.left - m_margins.right;
    const int64_t height = int64_t(surface.cy) - m_margins.top - m_margins.bottom;
    if (width <= 0 || height <= 0) {
        return;
    }
    // Elements draw on a copy of the printable area only, so nothing they
    // draw can reach the margins, whatever they do. Only the part that can
    // change is copied: inside the target, its clip and the paint rectangle.
    const Rect printable{m_margins.left, m_margins.top, static_cast<int32_t>(m_margins.left + width),
                         static_cast<int32_t>(m_margins.top + height)};
    const Rect area = platform::Intersect(platform::Intersect(printable, dc.ClipBox()), paint);
    if (area.IsEmpty()) {
        return;
    }
    QImage page = dc.CopyArea(area);
    if (page.isNull()) {
        return;
    }
    {
        DrawingContext pageDc(page);
        pageDc.SetOrigin(platform::Point{-area.left, -area.top});
        pageDc.IntersectClip(platform::Intersect(paint, m_pos));
        CControlUI::DoPaint(pageDc, paint);
        for (const ControlPtr& item : m_items) {
            const Rect& pos = item->GetPos();
            if (!item->IsVisible() || platform::Intersect(pos, paint).IsEmpty() ||
                platform::Intersect(pos, m_pos).IsEmpty()) {
                continue;
            }
            // The page's clip lies inside the form already; each element only
            // gets it back as it was, whatever state its painting leaves.
            platform::ClipScope scope(pageDc);
            if (staticOnly) {
                item->DoPaintStatic(pageDc, paint);
            } else {
                item->DoPaint(pageDc, paint);
            }
        }
    }
    dc.CopyImage(platform::Point{area.left, area.top}, page);
}

} // namespace MarkupUI
