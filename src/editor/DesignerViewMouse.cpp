// What the design view does with the mouse: select, band-select, move,
// resize and place elements. Drags are states of the view that mouse
// events move along; nothing waits in a loop of its own.
#include "editor/DesignerView.h"

#include "editor/PlacementDefaults.h"
#include "editor/PropertySheetSink.h"
#include "editor/ToolSource.h"
#include "elements/ElementKind.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace editor {

using MarkupUI::CControlUI;
using platform::Point;
using platform::Rect;

namespace {

CControlUI* ItselfIfFound(CControlUI* control, void*)
{
    return control;
}

constexpr int kSmallBand = 10;

} // namespace

CControlUI* CDesignerView::ControlAt(Point point) const
{
    if (!m_form) {
        return nullptr;
    }
    return m_form->FindControl(&ItselfIfFound, &point,
                               MarkupUI::UIFIND_VISIBLE | MarkupUI::UIFIND_HITTEST | MarkupUI::UIFIND_TOP_FIRST);
}

void CDesignerView::mousePressEvent(QMouseEvent* event)
{
    if (m_mouse != MouseState::Idle) {
        // The right button gives a resize or a band up; a move goes on.
        if (event->button() == Qt::RightButton &&
            (m_mouse == MouseState::HandleDrag || m_mouse == MouseState::RubberBand)) {
            FinishDrag(true);
        }
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton || !m_form) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    OnLeftButtonDown(ToPage(event->position().toPoint()), (event->modifiers() & Qt::ControlModifier) != 0);
    event->accept();
}

void CDesignerView::OnLeftButtonDown(Point point, bool ctrl)
{
    CControlUI* hitElement = ControlAt(point);
    const int hit = m_tracker.HitTestSelection(point);
    if (ctrl) {
        // Ctrl adds elements; the page itself and empty paper add nothing.
        if (hitElement == nullptr || hitElement->GetDesignLevel() == 0) {
            return;
        }
    } else {
        if (hit == -1) {
            m_tracker.ClearSelection();
            if (hitElement == nullptr || hitElement == m_form.get()) {
                if (CControlUI* marked = MarkerHit(point)) {
                    AddToSelection(marked);
                    if (!BeginTrack(point)) {
                        AfterClick();
                    }
                    return;
                }
            }
        }
        if (hitElement == nullptr) {
            hitElement = m_form.get();
        }
    }
    if (hit >= 0) {
        m_tracker.MakePrimaryAt(point);
        if (!BeginTrack(point)) {
            AfterClick();
        }
        return;
    }
    BeginRubberBand(BandPress{point, hitElement});
}

bool CDesignerView::BeginTrack(Point point)
{
    const std::optional<CMultiUITracker::Hit> found = m_tracker.FindHit(point);
    if (!found) {
        return false;
    }
    if (found->code == CUITracker::kMoveHit) {
        m_groupMove.emplace(m_tracker, point);
        m_dragCursor = viewport()->cursor().shape();
        m_mouse = MouseState::GroupMove;
        return true;
    }
    // Handles resize one element; with several selected they do nothing.
    CTrackerElement* primary = m_tracker.Primary();
    if (m_tracker.Count() != 1 || primary == nullptr) {
        return false;
    }
    CUITracker tracker;
    tracker.style = m_tracker.style;
    tracker.handleSize = m_tracker.handleSize;
    tracker.rect = primary->Element()->GetPos();
    tracker.SetKind(primary->Kind());
    m_handleDrag.emplace(tracker, found->code, point);
    m_dragged = primary->Element();
    m_dragMoved = false;
    m_mouse = MouseState::HandleDrag;
    return true;
}

void CDesignerView::BeginRubberBand(const BandPress& press)
{
    CUITracker band;
    band.rect = Rect{press.point.x, press.point.y, press.point.x, press.point.y};
    m_handleDrag.emplace(band, 2, press.point);
    m_band = press;
    m_dragMoved = false;
    m_mouse = MouseState::RubberBand;
}

void CDesignerView::mouseMoveEvent(QMouseEvent* event)
{
    const Point point = ToPage(event->position().toPoint());
    event->accept();
    if (m_mouse == MouseState::Idle) {
        UpdateCursor(point);
        return;
    }
    // A release that went elsewhere must not leave the drag stuck.
    if ((event->buttons() & Qt::LeftButton) == 0) {
        FinishDragAt(point);
        return;
    }
    if (m_mouse == MouseState::GroupMove) {
        UpdateDragOutlines();
        m_groupMove->MoveTo(point);
        viewport()->setCursor(m_groupMove->IsOutside() ? Qt::ForbiddenCursor : QCursor(m_dragCursor));
        UpdateDragOutlines();
        return;
    }
    const Rect before = m_handleDrag->Outline();
    if (m_handleDrag->MoveTo(point)) {
        m_dragMoved = true;
        UpdateOutline(before);
        UpdateOutline(m_handleDrag->Outline());
    }
}

void CDesignerView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && m_mouse != MouseState::Idle) {
        FinishDragAt(ToPage(event->position().toPoint()));
    }
}

void CDesignerView::FinishDragAt(Point point)
{
    if (m_mouse == MouseState::GroupMove) {
        UpdateDragOutlines();
        m_groupMove->MoveTo(point);
    } else if (m_mouse != MouseState::Idle) {
        UpdateOutline(m_handleDrag->Outline());
        // The release places the edges but is no move of its own: a click
        // leaves the rectangle as it was.
        m_handleDrag->MoveTo(point);
        if (!m_dragMoved) {
            m_handleDrag->Cancel();
        }
    }
    FinishDrag(false);
}

void CDesignerView::FinishDrag(bool cancelled)
{
    const MouseState state = m_mouse;
    m_mouse = MouseState::Idle;
    if (state == MouseState::GroupMove) {
        const GroupMove move = std::move(*m_groupMove);
        m_groupMove.reset();
        viewport()->setCursor(m_dragCursor);
        for (const Rect& outline : move.Outlines()) {
            UpdateOutline(Inflated(outline, m_tracker.handleSize / 2));
        }
        // Dropped off the page: everything stays where it was.
        CTrackerElement* primary = m_tracker.Primary();
        if (move.Changed() && !move.IsOutside() && primary != nullptr) {
            primary->Commit(move.Rects(), move.Elements());
        }
        AfterClick();
        return;
    }
    if (state != MouseState::HandleDrag && state != MouseState::RubberBand) {
        return;
    }
    HandleDrag drag = std::move(*m_handleDrag);
    m_handleDrag.reset();
    UpdateOutline(drag.Outline());
    if (cancelled) {
        drag.Cancel();
    }
    if (state == MouseState::RubberBand) {
        FinishRubberBand(drag.Changed(), drag.Current());
        return;
    }
    const MarkupUI::ControlPtr dragged = std::move(m_dragged);
    const int index = m_tracker.IndexOf(dragged.get());
    if (drag.Changed() && index >= 0) {
        m_tracker.At(index)->Commit({drag.Current()}, {dragged.get()});
    }
    AfterClick();
}

void CDesignerView::FinishRubberBand(bool changed, const Rect& band)
{
    const Point at = m_band.point;
    const MarkupUI::ControlPtr hitElement = std::move(m_band.hitElement);
    const int tool = m_tools != nullptr ? m_tools->SelectedToolId() : MarkupUI::kElementPointerTool;
    const platform::Size clickSize = ClickPlacementSize(tool);
    const Rect clickBox{at.x, at.y, platform::SaturatingAdd(at.x, clickSize.cx),
                        platform::SaturatingAdd(at.y, clickSize.cy)};
    const Rect bounds = changed ? Ordered(band) : clickBox;
    if (changed && tool == MarkupUI::kElementPointerTool && m_form) {
        std::vector<CControlUI*> touched;
        for (int i = 0; i < m_form->GetCount(); ++i) {
            CControlUI* child = m_form->GetItemAt(i);
            if (!platform::Intersect(child->GetPos(), bounds).IsEmpty()) {
                touched.push_back(child);
            }
        }
        if (!touched.empty()) {
            m_tracker.ClearSelection();
            for (CControlUI* child : touched) {
                AddToSelection(child);
            }
            AfterClick();
            return;
        }
    }
    if (hitElement) {
        AddToSelection(hitElement.get());
    }
    if (tool > MarkupUI::kElementPointerTool) {
        if (m_form && m_form->GetPos().Contains(at)) {
            // A click, or a band too small to mean a size, places the default box.
            const bool click = !changed || (bounds.Width() < kSmallBand && bounds.Height() < kSmallBand);
            CreateElement(tool, click ? clickBox : bounds, click);
        }
        if (m_tools != nullptr) {
            m_tools->SelectPointerTool();
        }
    }
    AfterClick();
}

void CDesignerView::AfterClick()
{
    ShowSelectionProperties();
    viewport()->update();
    emit CommandStatesChanged();
}

void CDesignerView::AddToSelection(CControlUI* element)
{
    if (element == nullptr) {
        return;
    }
    // The page is selected alone or not at all: commands on a selection
    // must never resize or copy it together with its elements.
    const bool isForm = element == m_form.get();
    if (isForm && m_tracker.Count() > 0 && !IsSelected(element)) {
        m_tracker.ClearSelection();
    } else if (!isForm && m_form) {
        const int form = m_tracker.IndexOf(m_form.get());
        if (form >= 0) {
            m_tracker.RemoveFromSelection(form);
        }
    }
    m_tracker.AddToSelection(NewTrackerElement(element));
}

CControlUI* CDesignerView::MarkerHit(Point point)
{
    if (!m_form) {
        return nullptr;
    }
    const platform::Size page = FormSize();
    const QRect extent(-kRulerBand, -kRulerBand, page.cx + kScrollMargin, page.cy + kScrollMargin);
    const QRect client = viewport()->rect().translated(horizontalScrollBar()->value() - kRulerBand,
                                                       verticalScrollBar()->value() - kRulerBand);
    const QRect united = extent.united(client).adjusted(0, 0, -22, -22);
    const Rect visible{united.left(), united.top(), united.right() + 1, united.bottom() + 1};
    const Rect margins = m_form->GetMargins();
    const Rect printable{margins.left, margins.top, platform::SaturatingAdd(page.cx, -int64_t(margins.right)),
                         platform::SaturatingAdd(page.cy, -int64_t(margins.bottom))};
    for (int i = 0; i < m_form->GetCount(); ++i) {
        CControlUI* child = m_form->GetItemAt(i);
        const int kind = child->GetElementKind();
        if (kind < MarkupUI::kElementPicture || kind > MarkupUI::kElementTime) {
            continue;
        }
        const MarkerPlacement placement = PlaceKindMarker(child->GetPos(), visible, printable, IsSelected(child));
        const Rect square{placement.at.x, placement.at.y, platform::SaturatingAdd(placement.at.x, kMarkerSize),
                          platform::SaturatingAdd(placement.at.y, kMarkerSize)};
        if (placement.shown && square.Contains(point)) {
            return child;
        }
    }
    return nullptr;
}

void CDesignerView::UpdateCursor(Point point)
{
    if (const std::optional<Qt::CursorShape> shape = m_tracker.CursorAt(point)) {
        viewport()->setCursor(*shape);
    } else {
        viewport()->unsetCursor();
    }
}

void CDesignerView::UpdateOutline(const Rect& outline)
{
    // The frame is a pixel wide; a strip of three on each edge covers it.
    const QPoint topLeft = ToViewport(Point{outline.left, outline.top});
    const QPoint bottomRight = ToViewport(Point{outline.right, outline.bottom});
    const QRect frame = QRect(topLeft, bottomRight).normalized().adjusted(-1, -1, 1, 1);
    QRegion strips;
    strips += QRect(frame.left(), frame.top(), frame.width(), 3);
    strips += QRect(frame.left(), frame.bottom() - 2, frame.width(), 3);
    strips += QRect(frame.left(), frame.top(), 3, frame.height());
    strips += QRect(frame.right() - 2, frame.top(), 3, frame.height());
    viewport()->update(strips & viewport()->rect());
}

void CDesignerView::UpdateDragOutlines()
{
    if (m_mouse == MouseState::GroupMove && m_groupMove) {
        for (const Rect& outline : m_groupMove->Outlines()) {
            UpdateOutline(Inflated(outline, m_tracker.handleSize / 2));
        }
    } else if (m_handleDrag) {
        UpdateOutline(m_handleDrag->Outline());
    }
}

void CDesignerView::PaintDragOutlines(QPainter& painter)
{
    std::vector<Rect> outlines;
    if (m_mouse == MouseState::GroupMove && m_groupMove && m_groupMove->Changed()) {
        for (const Rect& outline : m_groupMove->Outlines()) {
            outlines.push_back(Inflated(outline, m_tracker.handleSize / 2));
        }
    } else if ((m_mouse == MouseState::HandleDrag || m_mouse == MouseState::RubberBand) && m_handleDrag &&
               m_dragMoved) {
        outlines.push_back(m_handleDrag->Outline());
    }
    if (outlines.empty()) {
        return;
    }
    // Inverted pixels show on paper, margins and elements alike.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    for (const Rect& outline : outlines) {
        if (outline.Width() > 0 && outline.Height() > 0 && outline.Width() < (1LL << 30) &&
            outline.Height() < (1LL << 30)) {
            painter.drawRect(QRect(outline.left, outline.top, int(outline.Width() - 1), int(outline.Height() - 1)));
        }
    }
    painter.restore();
}

void CDesignerView::EndDragOnCaptureLoss()
{
    if (m_mouse == MouseState::Idle) {
        return;
    }
    // A resize keeps the rectangle it reached; a move is dropped where the
    // mouse last was, which commits nothing when that is off the page.
    if (m_mouse == MouseState::HandleDrag || m_mouse == MouseState::RubberBand) {
        UpdateOutline(m_handleDrag->Outline());
        if (!m_dragMoved) {
            m_handleDrag->Cancel();
        }
    }
    FinishDrag(false);
}

bool CDesignerView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowDeactivate:
    case QEvent::FocusOut:
    case QEvent::Hide:
        EndDragOnCaptureLoss();
        break;
    default:
        break;
    }
    return QAbstractScrollArea::event(event);
}

} // namespace editor
