#include "editor/MultiUITracker.h"

#include <algorithm>

namespace editor {

using MarkupUI::CControlUI;
using platform::Point;
using platform::Rect;

namespace {

int TrackerKindOf(CControlUI* element)
{
    if (element == nullptr) {
        return CUITracker::kPlainElement;
    }
    if (element->GetInterface(QStringLiteral("Form")) != nullptr) {
        return CUITracker::kFormElement;
    }
    if (element->GetInterface(QStringLiteral("Container")) != nullptr) {
        return CUITracker::kContainerElement;
    }
    return CUITracker::kPlainElement;
}

} // namespace

CTrackerElement::CTrackerElement(CControlUI* element, CommitCallback commit)
    : m_element(element), m_kind(TrackerKindOf(element)), m_commit(std::move(commit))
{
}

void CTrackerElement::Commit(const std::vector<Rect>& rects, const std::vector<CControlUI*>& elements) const
{
    if (m_commit) {
        m_commit(m_element, rects, elements);
    }
}

bool CMultiUITracker::AddToSelection(std::unique_ptr<CTrackerElement> element)
{
    if (!element) {
        return false;
    }
    const int existing = IndexOf(element->Element());
    if (existing >= 0) {
        m_primary = At(existing);
        return false;
    }
    m_primary = element.get();
    m_selection.push_back(std::move(element));
    return true;
}

void CMultiUITracker::ClearSelection()
{
    m_primary = nullptr;
    m_selection.clear();
}

void CMultiUITracker::RemoveFromSelection(int index)
{
    if (index < 0 || index >= Count()) {
        return;
    }
    const bool wasPrimary = At(index) == m_primary;
    m_selection.erase(m_selection.begin() + index);
    if (wasPrimary) {
        m_primary = m_selection.empty() ? nullptr : m_selection.back().get();
    }
}

int CMultiUITracker::IndexOf(const CControlUI* element) const
{
    for (int i = 0; i < Count(); ++i) {
        if (At(i)->Element() == element) {
            return i;
        }
    }
    return -1;
}

std::vector<MarkupUI::ControlPtr> CMultiUITracker::GetSelection() const
{
    std::vector<MarkupUI::ControlPtr> selection;
    for (const auto& tracked : m_selection) {
        CControlUI* element = tracked->Element();
        bool ancestorSelected = false;
        // Design levels count the steps up to the form, so the walk ends there.
        CControlUI* ancestor = element->GetParent();
        for (int level = element->GetDesignLevel(); ancestor != nullptr && level > 0 && !ancestorSelected;
             --level, ancestor = ancestor->GetParent()) {
            ancestorSelected = IndexOf(ancestor) >= 0;
        }
        if (!ancestorSelected) {
            selection.emplace_back(element);
        }
    }
    return selection;
}

void CMultiUITracker::TrackOne(const CTrackerElement& element)
{
    rect = element.Element()->GetPos();
    SetKind(element.Kind());
}

std::optional<CMultiUITracker::Hit> CMultiUITracker::FindHit(Point point)
{
    for (const auto& tracked : m_selection) {
        TrackOne(*tracked);
        const int code = HitTest(point);
        if (code != -1) {
            return Hit{tracked.get(), code};
        }
    }
    return std::nullopt;
}

int CMultiUITracker::HitTestSelection(Point point)
{
    const std::optional<Hit> hit = FindHit(point);
    return hit ? hit->code : -1;
}

bool CMultiUITracker::MakePrimaryAt(Point point)
{
    for (const auto& tracked : m_selection) {
        TrackOne(*tracked);
        if (HitTest(point) == kMoveHit) {
            m_primary = tracked.get();
            return true;
        }
    }
    return false;
}

std::optional<Qt::CursorShape> CMultiUITracker::CursorAt(Point point)
{
    for (const auto& tracked : m_selection) {
        TrackOne(*tracked);
        const int code = HitTest(point);
        if (code >= 0) {
            return CursorOfHit(VisibleHandle(code));
        }
    }
    return std::nullopt;
}

void CMultiUITracker::DrawSelection(QPainter& painter)
{
    for (const auto& tracked : m_selection) {
        TrackOne(*tracked);
        Draw(painter, tracked.get() == m_primary);
    }
}

} // namespace editor
