// The design view's painting: everything into one image of the viewport,
// then that image onto the screen, so nothing flickers.
#include "editor/DesignerView.h"

#include "editor/ToolSource.h"
#include "elements/ElementKind.h"
#include "platform/DrawingContext.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace editor {

using MarkupUI::CControlUI;
using platform::Rect;

namespace {

Rect ToRect(const QRect& r)
{
    return Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

bool HasMarker(int kind)
{
    return kind >= MarkupUI::kElementPicture && kind <= MarkupUI::kElementTime;
}

} // namespace

PageFrame CDesignerView::CurrentFrame() const
{
    PageFrame frame;
    frame.page = FormSize();
    frame.paperMm = m_paperMm;
    frame.dpi = m_dpi;
    frame.margins = m_form ? m_form->GetMargins() : Rect{};
    return frame;
}

void CDesignerView::LayOutIfNeeded()
{
    if (m_manager && m_form && m_manager->IsUpdateNeeded()) {
        m_manager->ClearUpdateNeeded();
        const platform::Size size = FormSize();
        m_form->SetPos(Rect{0, 0, size.cx, size.cy});
    }
}

void CDesignerView::paintEvent(QPaintEvent* event)
{
    const QSize size = viewport()->size();
    if (m_backBuffer.size() != size) {
        m_backBuffer = QImage(size, QImage::Format_ARGB32_Premultiplied);
    }
    const QRect area = event->rect() & viewport()->rect();
    QPainter screen(viewport());
    if (m_backBuffer.isNull()) {
        // No memory for the picture of the view: show the bare background
        // rather than stale pixels.
        screen.fillRect(area, QColor(kViewBackground));
        return;
    }
    for (const QRect& part : event->region()) {
        PaintViewport(m_backBuffer, part & viewport()->rect());
    }
    screen.drawImage(area.topLeft(), m_backBuffer, area);
}

void CDesignerView::PaintViewport(QImage& target, const QRect& area)
{
    const int sx = horizontalScrollBar()->value();
    const int sy = verticalScrollBar()->value();
    const QRect logical = area.translated(sx, sy);
    const QRect pageArea = logical.translated(-kRulerBand, -kRulerBand);
    if (!m_form || !m_manager || m_attaching) {
        QPainter painter(&target);
        painter.fillRect(area, QColor(kViewBackground));
        return;
    }
    LayOutIfNeeded();
    const PageFrame frame = CurrentFrame();
    {
        QPainter painter(&target);
        painter.setClipRect(area);
        painter.translate(-sx, -sy);
        painter.fillRect(logical, QColor(kViewBackground));
        PaintRulers(painter, frame, m_fonts, logical);
        PaintSizeLabels(painter, frame, m_fonts);
        painter.translate(kRulerBand, kRulerBand);
        PaintMargins(painter, frame, pageArea);
        if (m_grid) {
            PaintGrid(painter, frame.page, pageArea);
        }
    }
    const Rect paint = platform::Intersect(ToRect(pageArea), Rect{0, 0, frame.page.cx, frame.page.cy});
    if (!paint.IsEmpty()) {
        platform::DrawingContext dc(target);
        dc.SetOrigin(platform::Point{kRulerBand - sx, kRulerBand - sy});
        dc.IntersectClip(paint);
        m_form->DoPaint(dc, paint);
    }
    QPainter painter(&target);
    painter.setClipRect(area);
    painter.translate(kRulerBand - sx, kRulerBand - sy);
    PaintGuideBorders(painter, *m_form, pageArea);
    PaintKindMarkers(painter, pageArea);
    m_tracker.DrawSelection(painter);
    PaintDragOutlines(painter);
}

void CDesignerView::PaintKindMarkers(QPainter& painter, const QRect& pageArea)
{
    if (m_tools == nullptr) {
        return;
    }
    const int sx = horizontalScrollBar()->value();
    const int sy = verticalScrollBar()->value();
    const platform::Size page = FormSize();
    const QRect extent(0, 0, page.cx + kScrollMargin, page.cy + kScrollMargin);
    const QRect visible =
        extent.united(viewport()->rect()).translated(sx - kRulerBand, sy - kRulerBand);
    const Rect margins = m_form->GetMargins();
    const Rect printable{margins.left, margins.top, platform::SaturatingAdd(page.cx, -int64_t(margins.right)),
                         platform::SaturatingAdd(page.cy, -int64_t(margins.bottom))};
    for (int i = 0; i < m_form->GetCount(); ++i) {
        CControlUI* child = m_form->GetItemAt(i);
        if (child == nullptr || !HasMarker(child->GetElementKind())) {
            continue;
        }
        const MarkerPlacement placement =
            PlaceKindMarker(child->GetPos(), ToRect(visible), printable, IsSelected(child));
        if (!placement.shown) {
            continue;
        }
        const QRect square(placement.at.x, placement.at.y, kMarkerSize, kMarkerSize);
        if (!square.intersects(pageArea)) {
            continue;
        }
        const QPixmap icon = m_tools->ToolIcon(child->GetElementKind());
        if (!icon.isNull()) {
            painter.drawPixmap(square, icon);
        }
    }
}

} // namespace editor
