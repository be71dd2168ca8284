#include "editor/ClipboardCommands.h"

#include "controls/ContainerUI.h"
#include "document/ClipboardFragment.h"
#include "editor/DesignerView.h"
#include "elements/ElementKind.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>

#include <algorithm>
#include <set>

namespace editor {

using MarkupUI::CControlUI;
using MarkupUI::ControlPtr;

namespace {

// The page offset of a pasted copy from the elements it was copied from.
constexpr int kPasteOffset = 10;

QString ClipboardFormat()
{
    return QString::fromLatin1(document::kClipboardFormat);
}

bool IsCountedKind(int kind)
{
    return kind == MarkupUI::kElementQueuingNum || kind == MarkupUI::kElementWaitingCount ||
           kind == MarkupUI::kElementCurrentNum;
}

bool IsForm(CControlUI* element)
{
    return element->GetInterface(QStringLiteral("Form")) != nullptr;
}

MarkupUI::IContainerUI* ContainerOf(CControlUI* element)
{
    return element != nullptr
               ? static_cast<MarkupUI::IContainerUI*>(element->GetInterface(QStringLiteral("IContainer")))
               : nullptr;
}

// An element taken off the page, with where it was.
struct Removed
{
    ControlPtr element;
    ControlPtr parent;
    int index;
};

} // namespace

CClipboardCommands::CClipboardCommands(CDesignerView& view, QClipboard* clipboard)
    : QObject(&view), m_view(view),
      m_clipboard(clipboard != nullptr ? clipboard : QGuiApplication::clipboard())
{
    connect(m_clipboard, &QClipboard::dataChanged, this, &CClipboardCommands::ClipboardChanged);
    ClipboardChanged();
}

void CClipboardCommands::ClipboardChanged()
{
    const QMimeData* data = m_clipboard->mimeData();
    const bool offered = data != nullptr && data->hasFormat(ClipboardFormat());
    if (offered != m_pasteOffered) {
        m_pasteOffered = offered;
        emit PasteOfferChanged();
    }
}

bool CClipboardCommands::CanCopy() const
{
    if (m_view.IsDragging()) {
        return false;
    }
    const CMultiUITracker& tracker = m_view.Tracker();
    for (int i = 0; i < tracker.Count(); ++i) {
        const int kind = tracker.At(i)->Element()->GetElementKind();
        if (kind != MarkupUI::kElementForm && !IsCountedKind(kind)) {
            return true;
        }
    }
    return false;
}

bool CClipboardCommands::CanPaste() const
{
    return m_pasteOffered && !m_view.IsDragging();
}

bool CClipboardCommands::CanDelete() const
{
    const CTrackerElement* primary = m_view.Tracker().Primary();
    return !m_view.IsDragging() && m_view.Tracker().Count() > 0 && primary != nullptr &&
           primary->Element()->GetDesignLevel() != 0;
}

void CClipboardCommands::Copy()
{
    if (m_view.IsDragging()) {
        return;
    }
    CMultiUITracker& tracker = m_view.Tracker();
    // The printer fills these in itself and a ticket holds one of each:
    // they are not copied, and leaving the selection shows it.
    bool deselected = false;
    for (int i = tracker.Count() - 1; i >= 0; --i) {
        if (IsCountedKind(tracker.At(i)->Element()->GetElementKind())) {
            tracker.RemoveFromSelection(i);
            deselected = true;
        }
    }
    std::vector<CControlUI*> copied;
    for (const ControlPtr& element : tracker.GetSelection()) {
        if (!IsForm(element.get())) {
            copied.push_back(element.get());
        }
    }
    if (deselected) {
        m_view.ShowSelectionProperties();
        m_view.InvalidateView();
        emit m_view.CommandStatesChanged();
    }
    // Nothing to copy leaves whatever the clipboard holds.
    if (copied.empty()) {
        return;
    }
    auto* data = new QMimeData;
    data->setData(ClipboardFormat(),
                  document::WriteClipboardFragment(copied, m_view.Document().GetDirectory()));
    m_clipboard->setMimeData(data);
}

int CClipboardCommands::Paste()
{
    const QMimeData* data = m_clipboard->mimeData();
    if (m_view.IsDragging() || m_view.Form() == nullptr || data == nullptr ||
        !data->hasFormat(ClipboardFormat())) {
        return 0;
    }
    document::FragmentContents contents = document::ReadClipboardFragment(
        data->data(ClipboardFormat()), m_view.Document().GetPaintManager().get());
    return PasteContents(contents);
}

CControlUI* CClipboardCommands::PasteTarget() const
{
    CControlUI* form = m_view.Form();
    const CTrackerElement* primary = m_view.Tracker().Primary();
    if (primary == nullptr) {
        return form;
    }
    CControlUI* element = primary->Element();
    if (ContainerOf(element) != nullptr) {
        return element;
    }
    return element->GetParent() != nullptr ? element->GetParent() : form;
}

int CClipboardCommands::PasteContents(document::FragmentContents& contents)
{
    using Refusal = document::FragmentContents::Refusal;
    if (contents.refusal != Refusal::None) {
        m_view.ShowStatusMessage(
            contents.refusal == Refusal::TooLarge
                ? tr("The clipboard contents are too large to paste; nothing was pasted.")
                : tr("The clipboard does not hold readable designer elements; nothing "
                     "was pasted."));
        return 0;
    }
    CControlUI* target = PasteTarget();
    MarkupUI::IContainerUI* container = ContainerOf(target);

    // A ticket holds one ticket number, waiting count and now-serving
    // number at most; the printer would not know which one to fill in.
    std::set<int> counted;
    for (int i = 0; i < m_view.Form()->GetCount(); ++i) {
        counted.insert(m_view.Form()->GetItemAt(i)->GetElementKind());
    }
    int secondNumbers = 0;
    std::vector<ControlPtr> pasted;
    for (const ControlPtr& element : contents.elements) {
        const int kind = element->GetElementKind();
        if (IsCountedKind(kind) && !counted.insert(kind).second) {
            ++secondNumbers;
            continue;
        }
        pasted.push_back(element);
    }

    QStringList told;
    if (contents.unknownKinds > 0) {
        told << tr("Elements of unknown kinds left out: %1.").arg(contents.unknownKinds);
    }
    if (contents.badGeometry > 0) {
        told << tr("Elements with impossible positions or sizes left out: %1.").arg(contents.badGeometry);
    }
    if (contents.overLimit > 0) {
        told << tr("Elements beyond the first %1 left out: %2.")
                    .arg(document::kMaxFragmentElements)
                    .arg(contents.overLimit);
    }
    if (secondNumbers > 0) {
        told << tr("Ticket numbers, waiting counts or now-serving numbers left out, as the ticket already "
                   "holds one of that kind: %1.")
                    .arg(secondNumbers);
    }
    if (pasted.empty() || container == nullptr) {
        told.prepend(tr("Nothing was pasted."));
        m_view.ShowStatusMessage(told.join(QLatin1Char(' ')));
        return 0;
    }

    m_view.Tracker().ClearSelection();
    const int level = target->GetDesignLevel() + 1;
    std::vector<ControlPtr> added;
    for (const ControlPtr& element : pasted) {
        // The offset goes onto the copied positions, so pasting the same
        // copy twice puts both at one place.
        if (element->IsFloat()) {
            const platform::Size xy = element->GetFixedXY();
            element->SetFixedXY(platform::Size{platform::SaturatingAdd(xy.cx, kPasteOffset),
                                               platform::SaturatingAdd(xy.cy, kPasteOffset)});
        }
        if (!container->Add(element.get())) {
            continue;
        }
        m_view.AssignDesignLevels(*element, level);
        m_view.AddToSelection(element.get());
        added.push_back(element);
    }
    if (added.empty()) {
        m_view.ShowSelectionProperties();
        m_view.ShowStatusMessage(tr("Nothing was pasted."));
        return 0;
    }
    const ControlPtr parent(target);
    CDesignerView* view = &m_view;
    m_view.PushAction([view, added, parent](bool undo) {
        view->Tracker().ClearSelection();
        if (undo) {
            for (const ControlPtr& element : added) {
                view->DeleteElement(element.get());
            }
            parent->NeedUpdate();
        } else {
            for (const ControlPtr& element : added) {
                view->RestoreElement(element.get(), parent.get());
            }
        }
    });
    target->SetPos(target->GetPos());
    m_view.ShowSelectionProperties();
    m_view.InvalidateView();
    emit m_view.CommandStatesChanged();
    if (!told.isEmpty()) {
        m_view.ShowStatusMessage(told.join(QLatin1Char(' ')));
    }
    return static_cast<int>(added.size());
}

void CClipboardCommands::DeleteSelection()
{
    if (m_view.IsDragging()) {
        return;
    }
    std::vector<Removed> removed;
    for (const ControlPtr& element : m_view.Tracker().GetSelection()) {
        if (IsForm(element.get())) {
            continue;
        }
        CControlUI* parent = element->GetParent();
        MarkupUI::IContainerUI* container = ContainerOf(parent);
        removed.push_back(
            Removed{element, ControlPtr(parent), container ? container->GetItemIndex(element.get()) : -1});
    }
    if (removed.empty()) {
        return;
    }
    for (const Removed& entry : removed) {
        m_view.Tracker().ClearSelection();
        m_view.DeleteElement(entry.element.get());
        if (entry.parent) {
            entry.parent->NeedUpdate();
        }
    }
    CDesignerView* view = &m_view;
    m_view.PushAction([view, removed](bool undo) {
        view->Tracker().ClearSelection();
        if (!undo) {
            for (const Removed& entry : removed) {
                view->DeleteElement(entry.element.get());
                if (entry.parent) {
                    entry.parent->NeedUpdate();
                }
            }
            return;
        }
        // Back in page order, each at the place it had, so overlaps paint
        // and print as before; then selected in the order they were.
        std::vector<Removed> inPageOrder = removed;
        std::stable_sort(inPageOrder.begin(), inPageOrder.end(),
                         [](const Removed& a, const Removed& b) { return a.index < b.index; });
        for (const Removed& entry : inPageOrder) {
            view->RestoreElement(entry.element.get(), entry.parent.get(), entry.index);
        }
        view->Tracker().ClearSelection();
        for (const Removed& entry : removed) {
            MarkupUI::IContainerUI* container = ContainerOf(entry.parent.get());
            if (container != nullptr && container->GetItemIndex(entry.element.get()) >= 0) {
                view->AddToSelection(entry.element.get());
            }
        }
    });
    m_view.ClearSelection();
    m_view.ShowSelectionProperties();
}

} // namespace editor
