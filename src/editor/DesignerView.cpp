#include "editor/DesignerView.h"

#include "editor/PropertySheetSink.h"
#include "editor/ToolSource.h"
#include "elements/ElementKind.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <limits>

namespace editor {

using MarkupUI::CControlUI;
using platform::Rect;
using platform::Size;

namespace {

bool IsCountedKind(int kind)
{
    return kind == MarkupUI::kElementQueuingNum || kind == MarkupUI::kElementWaitingCount ||
           kind == MarkupUI::kElementCurrentNum;
}

int ClampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, 0, std::numeric_limits<int>::max() / 2));
}

} // namespace

CDesignerView::CDesignerView(document::CDesignerDoc& document, QWidget* parent)
    : QAbstractScrollArea(parent), m_document(document)
{
    setObjectName(QStringLiteral("designerView"));
    setFocusPolicy(Qt::StrongFocus);
    // Every paint covers the whole area it is given: nothing to erase first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    m_document.AddObserver(this);
    m_history.SetChangeListener([this] { emit TemplateEdited(); });
    if (m_document.GetForm() != nullptr) {
        OnInitialUpdate();
    }
}

CDesignerView::~CDesignerView()
{
    // The panes may be gone already; nothing is reported to them any more.
    m_tools = nullptr;
    m_printer = nullptr;
    m_sheet = nullptr;
    m_document.RemoveObserver(this);
    DetachDocument();
}

void CDesignerView::SetToolSource(ToolSource* tools)
{
    m_tools = tools;
    if (m_tools != nullptr && m_form) {
        for (int kind : {MarkupUI::kElementQueuingNum, MarkupUI::kElementWaitingCount,
                         MarkupUI::kElementCurrentNum}) {
            bool present = false;
            for (int i = 0; i < m_form->GetCount() && !present; ++i) {
                present = m_form->GetItemAt(i)->GetElementKind() == kind;
            }
            m_tools->EnableToolOfKind(kind, !present);
        }
    }
    viewport()->update();
}

void CDesignerView::SetPropertySheet(PropertySheetSink* sheet)
{
    m_sheet = sheet;
}

void CDesignerView::OnInitialUpdate()
{
    m_dpi = ScreenDpi{double(logicalDpiX()), double(logicalDpiY())};
    m_fonts = ViewFonts::ForScreen(m_dpi);
    m_manager = m_document.GetPaintManager();
    m_form = m_document.GetFormPtr();
    if (!m_form || !m_manager) {
        return;
    }
    // The panes repaint at once when told of the elements, which can paint
    // this view too: until the page is sized it shows only its background.
    m_attaching = true;
    m_form->SetObserver(this);
    m_form->SetScreenDpi(static_cast<int32_t>(m_dpi.x), static_cast<int32_t>(m_dpi.y));
    m_manager->SetSurfaceReady(true);
    m_manager->SetSurfaceObserver(this);
    m_manager->AttachDialog(m_form.get());
    m_paperMm = m_form->GetPaperWidthMm();
    document::SizeFormAsDesignView(*m_form);
    m_history.Reset(&m_document);
    AssignDesignLevels(*m_form, 0);
    m_tracker.ClearSelection();
    ConfigureTracker();
    if (m_sheet != nullptr) {
        m_sheet->ShowProperty(nullptr);
    }
    m_attaching = false;
    UpdateScrollGeometry();
    viewport()->update();
    ReportUnusualScale();
    emit CommandStatesChanged();
}

void CDesignerView::DetachDocument()
{
    m_mouse = MouseState::Idle;
    m_handleDrag.reset();
    m_groupMove.reset();
    m_band = BandPress{};
    m_dragged.reset();
    m_nudge.reset();
    m_paperMm = 58;
    m_tracker.ClearSelection();
    if (m_sheet != nullptr) {
        m_sheet->HideAllRows(true);
    }
    m_history.Reset(&m_document);
    if (m_form) {
        // Reports every element as removed, which gives the number tools back.
        m_form->SetObserver(nullptr);
    }
    if (m_manager) {
        m_manager->SetSurfaceObserver(nullptr);
    }
    m_form.reset();
    m_manager.reset();
    viewport()->update();
}

void CDesignerView::AssignDesignLevels(CControlUI& element, int level)
{
    element.SetDesignLevel(level);
    if (auto* container = static_cast<MarkupUI::IContainerUI*>(element.GetInterface(QStringLiteral("IContainer")))) {
        for (int i = 0; i < container->GetCount(); ++i) {
            if (CControlUI* child = container->GetItemAt(i)) {
                AssignDesignLevels(*child, level + 1);
            }
        }
    }
}

void CDesignerView::ReportUnusualScale()
{
    const Size size = FormSize();
    if (PageScale(size.cx, m_paperMm, m_dpi).IsUsable()) {
        return;
    }
    emit StatusMessage(
        QCoreApplication::translate("editor::CDesignerView",
                                    "The page is %1 pixels wide, so it has no millimetre scale: check the "
                                    "printer resolution (dpi) of the template or give the page a width.")
            .arg(size.cx));
}

Size CDesignerView::FormSize() const
{
    return m_manager ? m_manager->GetInitSize() : Size{};
}

void CDesignerView::UpdateScrollGeometry()
{
    const Size size = FormSize();
    const int extentX = ClampToInt(int64_t(std::max(size.cx, 0)) + kScrollMargin);
    const int extentY = ClampToInt(int64_t(std::max(size.cy, 0)) + kScrollMargin);
    const QSize client = viewport()->size();
    for (auto [bar, extent, visible] : {std::tuple{horizontalScrollBar(), extentX, client.width()},
                                        std::tuple{verticalScrollBar(), extentY, client.height()}}) {
        const int page = std::max(1, extent / 10);
        bar->setRange(0, std::max(0, extent - visible));
        bar->setPageStep(page);
        bar->setSingleStep(std::max(1, page / 10));
    }
}

void CDesignerView::UpdateFormSize()
{
    if (!m_form) {
        return;
    }
    const Size limited =
        LimitFormSize(Size{m_form->GetFixedWidth(), m_form->GetFixedHeight()}, m_paperMm, m_dpi);
    if (limited.cx != m_form->GetFixedWidth()) {
        m_form->SetFixedWidth(limited.cx);
    }
    if (limited.cy != m_form->GetFixedHeight()) {
        m_form->SetFixedHeight(limited.cy);
    }
    m_form->SetSize(limited.cx, limited.cy);
    m_tracker.SetMoveBounds(FormSize());
    UpdateScrollGeometry();
    viewport()->update();
}

void CDesignerView::PaperWidthChanged()
{
    if (!m_form) {
        return;
    }
    const int paper = m_form->GetPaperWidthMm();
    if (paper == m_paperMm) {
        return;
    }
    // The page keeps its pixels per millimetre, so that elements print at
    // the size they were designed at on the wider or narrower paper.
    const int64_t width = std::llround(double(m_form->GetFixedWidth()) * paper / m_paperMm);
    m_paperMm = paper;
    m_form->SetFixedWidth(static_cast<int32_t>(std::clamp<int64_t>(width, 0, std::numeric_limits<int32_t>::max())));
    UpdateFormSize();
}

void CDesignerView::ToggleGrid()
{
    m_grid = !m_grid;
    viewport()->update();
    emit CommandStatesChanged();
}

platform::Point CDesignerView::ToPage(const QPoint& viewportPoint) const
{
    return platform::Point{viewportPoint.x() + horizontalScrollBar()->value() - kRulerBand,
                           viewportPoint.y() + verticalScrollBar()->value() - kRulerBand};
}

QPoint CDesignerView::ToViewport(const platform::Point& pagePoint) const
{
    return QPoint(pagePoint.x - horizontalScrollBar()->value() + kRulerBand,
                  pagePoint.y - verticalScrollBar()->value() + kRulerBand);
}

void CDesignerView::InvalidateView()
{
    viewport()->update();
}

void CDesignerView::ShowStatusMessage(const QString& text)
{
    emit StatusMessage(text);
}

void CDesignerView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollGeometry();
}

void CDesignerView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CDesignerView::OnItemAdded(CControlUI* control, MarkupUI::IContainerUI* container)
{
    if (control == nullptr || !m_form || container != static_cast<MarkupUI::IContainerUI*>(m_form.get())) {
        return;
    }
    const int kind = control->GetElementKind();
    if (IsCountedKind(kind) && m_tools != nullptr) {
        m_tools->EnableToolOfKind(kind, false);
        // A tool picked before its kind came back must not place a second one.
        if (m_tools->SelectedToolId() == kind) {
            m_tools->SelectPointerTool();
        }
    }
}

void CDesignerView::OnItemRemoved(CControlUI* control, MarkupUI::IContainerUI* container)
{
    if (control == nullptr || !m_form || container != static_cast<MarkupUI::IContainerUI*>(m_form.get())) {
        return;
    }
    // Nothing selected or shown may outlive its place on the page.
    if (const int selected = m_tracker.IndexOf(control); selected >= 0) {
        m_tracker.RemoveFromSelection(selected);
        viewport()->update();
    }
    if (m_sheet != nullptr) {
        for (CControlUI* shown = m_sheet->ShownElement(); shown != nullptr; shown = shown->GetParent()) {
            if (shown == control) {
                m_sheet->ShowProperty(nullptr);
                break;
            }
        }
    }
    const int kind = control->GetElementKind();
    if (IsCountedKind(kind) && m_tools != nullptr) {
        m_tools->EnableToolOfKind(kind, true);
    }
}

void CDesignerView::SurfaceResized(Size)
{
    UpdateScrollGeometry();
    viewport()->update();
}

void CDesignerView::SurfaceInvalidated(const Rect& rect)
{
    // Elements report rectangles already moved past the rulers, the form its
    // own page rectangle: repaint what either reading covers.
    const int64_t sx = horizontalScrollBar()->value();
    const int64_t sy = verticalScrollBar()->value();
    const QRect client = viewport()->rect();
    const int64_t left = std::max<int64_t>(int64_t(rect.left) - sx, client.left());
    const int64_t top = std::max<int64_t>(int64_t(rect.top) - sy, client.top());
    const int64_t right = std::min<int64_t>(int64_t(rect.right) + kRulerBand - sx, int64_t(client.right()) + 1);
    const int64_t bottom = std::min<int64_t>(int64_t(rect.bottom) + kRulerBand - sy, int64_t(client.bottom()) + 1);
    if (right > left && bottom > top) {
        viewport()->update(QRect(int(left), int(top), int(right - left), int(bottom - top)));
    }
}

void CDesignerView::DocumentWillBeClean()
{
    // Nudges after a save start a new change, so the template reads modified.
    m_nudge.reset();
    m_history.MarkClean();
}

void CDesignerView::DocumentWillDeleteContents()
{
    DetachDocument();
}

void CDesignerView::DocumentContentsReplaced()
{
    OnInitialUpdate();
}

} // namespace editor
