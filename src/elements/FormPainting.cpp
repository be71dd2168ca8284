#include "elements/FormUI.h"

#include "controls/PaintManagerUI.h"
#include "platform/CoverageGrid.h"
#include "platform/DrawingContext.h"

#include <vector>

namespace MarkupUI {

using platform::DrawingContext;
using platform::Rect;

namespace {

bool Painted(CControlUI& item, const Rect& paint, const Rect& form)
{
    const Rect& pos = item.GetPos();
    return item.IsVisible() && !platform::Intersect(pos, paint).IsEmpty() &&
           !platform::Intersect(pos, form).IsEmpty();
}

// Marks the elements that opaque elements drawn after them paint over
// entirely, seen from the last element back: drawing those could not change
// the page. Busy tickets stack elements deep.
std::vector<char> HiddenItems(const std::vector<ControlPtr>& items, const Rect& page, const Rect& paint,
                              const Rect& form, const Rect& clipBox)
{
    std::vector<char> hidden(items.size(), 0);
    platform::CoverageGrid covered(page);
    for (std::size_t i = items.size(); i-- > 0;) {
        CControlUI& item = *items[i];
        if (!Painted(item, paint, form)) {
            continue;
        }
        if (!covered.IsEmpty()) {
            const std::optional<Rect> reach = item.PaintReach();
            if (reach && covered.Covers(*reach) && item.PaintOnlyChangesPixels(paint, clipBox)) {
                hidden[i] = 1;
                continue;
            }
        }
        covered.Cover(item.OpaqueCover());
    }
    return hidden;
}

} // namespace

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
        const Rect clip = platform::Intersect(paint, m_pos);
        pageDc.IntersectClip(clip);
        CControlUI::DoPaint(pageDc, paint);
        const std::vector<char> hidden =
            HiddenItems(m_items, platform::Intersect(area, clip), paint, m_pos, pageDc.ClipBox());
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            const ControlPtr& item = m_items[i];
            if (hidden[i] != 0 || !Painted(*item, paint, m_pos)) {
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
