// The design view's changes to the template: placing elements, applying
// drags, undo and redo, nudging with the arrow keys.
#include "editor/DesignerView.h"
#include "editor/PlacementDefaults.h"

#include "editor/PropertySheetSink.h"
#include "editor/ToolSource.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "platform/Logger.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <chrono>

namespace editor {

using MarkupUI::CControlUI;
using MarkupUI::ControlPtr;
using platform::Rect;

namespace {

bool IsCountedKind(int kind)
{
    return kind == MarkupUI::kElementQueuingNum || kind == MarkupUI::kElementWaitingCount ||
           kind == MarkupUI::kElementCurrentNum;
}

bool IsForm(const CControlUI* element)
{
    return element != nullptr && const_cast<CControlUI*>(element)->GetInterface(QStringLiteral("Form")) != nullptr;
}

std::optional<NudgeDirection> ArrowDirection(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return NudgeDirection::Left;
    case Qt::Key_Up:
        return NudgeDirection::Up;
    case Qt::Key_Right:
        return NudgeDirection::Right;
    case Qt::Key_Down:
        return NudgeDirection::Down;
    default:
        return std::nullopt;
    }
}

// Every element under a control, the control included.
void ForEachInTree(CControlUI* control, const std::function<void(CControlUI*)>& visit)
{
    visit(control);
    if (auto* container = static_cast<MarkupUI::IContainerUI*>(control->GetInterface(QStringLiteral("IContainer")))) {
        for (int i = 0; i < container->GetCount(); ++i) {
            if (CControlUI* child = container->GetItemAt(i)) {
                ForEachInTree(child, visit);
            }
        }
    }
}

} // namespace

std::unique_ptr<CTrackerElement> CDesignerView::NewTrackerElement(CControlUI* element)
{
    return std::make_unique<CTrackerElement>(
        element, [this](CControlUI* tracked, const std::vector<Rect>& rects, const std::vector<CControlUI*>& elements) {
            CommitTrackedRects(tracked, rects, elements);
        });
}

void CDesignerView::ConfigureTracker()
{
    m_tracker.style = CUITracker::kDottedLine | CUITracker::kResizeOutside;
    m_tracker.handleSize = 6;
    m_tracker.SetMoveBounds(FormSize());
}

void CDesignerView::SelectElements(const std::vector<CControlUI*>& elements)
{
    m_tracker.ClearSelection();
    for (CControlUI* element : elements) {
        AddToSelection(element);
    }
    AfterClick();
}

void CDesignerView::ClearSelection()
{
    m_tracker.ClearSelection();
    viewport()->update();
    emit CommandStatesChanged();
}

void CDesignerView::ShowSelectionProperties()
{
    if (m_sheet != nullptr) {
        m_sheet->ShowProperty(m_tracker.Count() == 1 ? m_tracker.At(0)->Element() : nullptr);
    }
}

void CDesignerView::RefreshPosRows(CControlUI* element)
{
    if (m_sheet != nullptr && element != nullptr && m_sheet->ShownElement() == element) {
        m_sheet->UpdatePosRows(element);
    }
}

void CDesignerView::PushAction(EditAction action)
{
    m_nudge.reset();
    m_history.Push(std::move(action));
    emit CommandStatesChanged();
}

void CDesignerView::Undo()
{
    if (m_mouse != MouseState::Idle || !m_history.CanUndo()) {
        return;
    }
    // A nudge run continued after this would change what undo just put back.
    m_nudge.reset();
    m_history.Undo();
    ShowSelectionProperties();
    viewport()->update();
    emit CommandStatesChanged();
}

void CDesignerView::Redo()
{
    if (m_mouse != MouseState::Idle || !m_history.CanRedo()) {
        return;
    }
    m_nudge.reset();
    m_history.Redo();
    ShowSelectionProperties();
    viewport()->update();
    emit CommandStatesChanged();
}

bool CDesignerView::DeleteElement(CControlUI* element)
{
    if (element == nullptr) {
        return false;
    }
    if (MarkupUI::CPaintManagerUI* manager = element->GetManager()) {
        ForEachInTree(element, [manager](CControlUI* control) { manager->ReapObjects(control); });
    }
    if (CControlUI* parent = element->GetParent()) {
        if (auto* container = static_cast<MarkupUI::IContainerUI*>(parent->GetInterface(QStringLiteral("IContainer")))) {
            // The element keeps its parent, so that undo can put it back there.
            container->Remove(element);
        }
    } else {
        TICKET_LOG(platform::Debug) << "DeleteUI(" << platform::Utf8(element->GetClass())
                                    << ") no parent,can't remove";
    }
    return true;
}

void CDesignerView::RestoreElement(CControlUI* element, CControlUI* parent, int index)
{
    if (element == nullptr || parent == nullptr) {
        return;
    }
    auto* container = static_cast<MarkupUI::IContainerUI*>(parent->GetInterface(QStringLiteral("IContainer")));
    if (container == nullptr) {
        return;
    }
    const bool inRange = index >= 0 && index <= container->GetCount();
    if (!(inRange ? container->AddAt(element, index) : container->Add(element))) {
        return;
    }
    if (MarkupUI::CPaintManagerUI* manager = element->GetManager()) {
        manager->ReapObjects(element);
    }
    AssignDesignLevels(*element, parent->GetDesignLevel() + 1);
    AddToSelection(element);
    parent->SetPos(parent->GetPos());
}

CControlUI* CDesignerView::CreateElement(int kind, const Rect& rect, bool placedByClick)
{
    if (!m_form || !m_manager) {
        return nullptr;
    }
    // Only one of each counted kind reaches the printer.
    if (IsCountedKind(kind)) {
        for (int i = 0; i < m_form->GetCount(); ++i) {
            if (m_form->GetItemAt(i)->GetElementKind() == kind) {
                emit StatusMessage(QCoreApplication::translate(
                    "editor::CDesignerView", "The ticket already holds an element of this kind."));
                return nullptr;
            }
        }
    }
    const ControlPtr element = MarkupUI::CreateElement(kind, rect);
    if (!element || !m_form->Add(element.get())) {
        return nullptr;
    }
    element->SetDesignLevel(m_form->GetDesignLevel() + 1);
    if (placedByClick) {
        ApplyFieldFont(*element);
    }
    m_form->SetPos(m_form->GetPos());
    if (!element->IsFloat()) {
        element->SetFixedWidth(m_form->GetFixedWidth());
        element->SetFixedHeight(m_form->GetFixedHeight());
    }
    QString className = element->GetClass();
    className.chop(2);
    const QString defaults = m_manager->GetDefaultAttributeList(className);
    if (!defaults.isEmpty()) {
        element->ApplyAttributeList(defaults);
        m_form->SetPos(m_form->GetPos());
    }
    if (placedByClick) {
        FitPlacedField(*m_form, *element);
    }
    const MarkupUI::ControlPtr parent(m_form.get());
    PushAction([this, element, parent](bool undo) {
        m_tracker.ClearSelection();
        if (undo) {
            if (DeleteElement(element.get())) {
                m_document.SetModifiedFlag(true);
            }
            parent->NeedUpdate();
        } else {
            RestoreElement(element.get(), parent.get());
        }
    });
    m_tracker.ClearSelection();
    AddToSelection(element.get());
    m_document.SetModifiedFlag(true);
    return element.get();
}

void CDesignerView::CommitTrackedRects(CControlUI* tracked, const std::vector<Rect>& rects,
                                       const std::vector<CControlUI*>& elements)
{
    std::vector<Rect> before;
    std::vector<ControlPtr> held;
    const std::size_t count = std::min(rects.size(), elements.size());
    for (std::size_t i = 0; i < count; ++i) {
        CControlUI* element = elements[i];
        const platform::Size xy = element->GetFixedXY();
        before.push_back(Rect{xy.cx, xy.cy, platform::SaturatingAdd(xy.cx, element->GetFixedWidth()),
                              platform::SaturatingAdd(xy.cy, element->GetFixedHeight())});
        held.emplace_back(element);
    }
    std::vector<Rect> after(rects.begin(), rects.begin() + static_cast<std::ptrdiff_t>(count));
    if (IsForm(tracked)) {
        before = {tracked->GetPos()};
        PlaceElements(held, after);
        UpdateFormSize();
        after = {tracked->GetPos()};
    } else {
        PlaceElements(held, after);
        LayOutParent(tracked);
        if (m_sheet != nullptr && m_sheet->ShownElement() == tracked) {
            m_sheet->NotifyElementChanged(tracked, 1);
        }
    }
    PushAction(RectChangeAction(std::move(before), std::move(after), std::move(held), ControlPtr(tracked)));
}

EditAction CDesignerView::RectChangeAction(std::vector<Rect> before, std::vector<Rect> after,
                                           std::vector<ControlPtr> elements, ControlPtr reference)
{
    return [this, before = std::move(before), after = std::move(after), elements = std::move(elements),
            reference = std::move(reference)](bool undo) {
        ApplyRectChange(elements, undo ? before : after, reference.get());
    };
}

void CDesignerView::ApplyRectChange(const std::vector<ControlPtr>& elements, const std::vector<Rect>& rects,
                                    CControlUI* reference)
{
    PlaceElements(elements, rects);
    if (reference == nullptr) {
        return;
    }
    if (IsForm(reference)) {
        UpdateFormSize();
        return;
    }
    LayOutParent(reference);
    RefreshPosRows(reference);
}

void CDesignerView::Nudge(NudgeDirection direction)
{
    std::vector<ControlPtr> elements;
    for (const ControlPtr& element : m_tracker.GetSelection()) {
        if (element->GetDesignLevel() != 0) {
            elements.push_back(element);
        }
    }
    if (elements.empty()) {
        return;
    }
    const int64_t now = m_clock ? m_clock()
                                : std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::steady_clock::now().time_since_epoch())
                                      .count();
    // A run goes on only while its change is still the last one made: any
    // other change (a property edit, an undo) ends it.
    const bool lastChange = m_nudge && m_nudge->IsRecorded() && m_history.Count() == m_nudgeAt &&
                            m_history.CurrentPosition() == m_nudgeAt;
    if (!m_nudge || !m_nudge->Continues(direction, now, elements) || (m_nudge->IsRecorded() && !lastChange)) {
        m_nudge = std::make_shared<MicoMove>(direction, now, elements);
    }
    if (!m_nudge->Nudge(now)) {
        return;
    }
    if (!m_nudge->IsRecorded()) {
        m_nudge->SetRecorded();
        const std::shared_ptr<MicoMove> run = m_nudge;
        m_history.Push([this, run](bool undo) {
            run->Apply(undo);
            if (run->Elements().size() == 1) {
                RefreshPosRows(run->Elements().front().get());
            }
        });
        m_nudgeAt = m_history.Count();
        emit CommandStatesChanged();
    }
    if (elements.size() == 1) {
        RefreshPosRows(elements.front().get());
    }
}

void CDesignerView::keyPressEvent(QKeyEvent* event)
{
    if (m_mouse != MouseState::Idle) {
        // Escape gives a resize or band up; a move ends only with the button.
        if (event->key() == Qt::Key_Escape &&
            (m_mouse == MouseState::HandleDrag || m_mouse == MouseState::RubberBand)) {
            FinishDrag(true);
        }
        event->accept();
        return;
    }
    if (const std::optional<NudgeDirection> direction = ArrowDirection(event->key())) {
        const bool onlyForm = m_tracker.Count() == 0 ||
                              (m_tracker.Count() == 1 && m_tracker.At(0)->Element()->GetDesignLevel() == 0);
        if (!onlyForm) {
            Nudge(*direction);
            event->accept();
            return;
        }
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_tracker.Count() <= 1) {
            emit PropertiesPaneRequested();
        }
        break;
    case Qt::Key_Control:
        if (m_tracker.Count() == 1 && m_tracker.At(0)->Element()->GetDesignLevel() == 0) {
            ClearSelection();
            if (m_sheet != nullptr) {
                m_sheet->ShowProperty(nullptr);
            }
        }
        break;
    case Qt::Key_Delete:
        // Shift+Delete is Cut's key, which the designer does not offer.
        if ((event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0) {
            emit DeleteRequested();
        }
        break;
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CDesignerView::keyReleaseEvent(QKeyEvent* event)
{
    // Key repeats come as releases too; only the real one ends the run.
    if (ArrowDirection(event->key()) && !event->isAutoRepeat()) {
        m_nudge.reset();
    }
    QAbstractScrollArea::keyReleaseEvent(event);
}

} // namespace editor
