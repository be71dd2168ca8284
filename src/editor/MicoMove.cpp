#include "editor/MicoMove.h"

#include <algorithm>

namespace editor {

using MarkupUI::CControlUI;
using MarkupUI::ControlPtr;
using platform::Rect;
using platform::SaturatingAdd;

namespace {

// The element's own move: refused when the moved rectangle would leave the
// parent altogether.
bool MoveElement(CControlUI& element, int64_t dx, int64_t dy)
{
    const Rect& pos = element.GetPos();
    const Rect moved{SaturatingAdd(pos.left, dx), SaturatingAdd(pos.top, dy), SaturatingAdd(pos.right, dx),
                     SaturatingAdd(pos.bottom, dy)};
    if (moved == pos) {
        return false;
    }
    if (CControlUI* parent = element.GetParent()) {
        if (platform::Intersect(moved, parent->GetPos()).IsEmpty()) {
            return false;
        }
    }
    element.SetPos(moved);
    return true;
}

} // namespace

bool NudgeElements(const std::vector<ControlPtr>& elements, NudgeDirection direction, int step)
{
    const int64_t dx = direction == NudgeDirection::Left ? -step : direction == NudgeDirection::Right ? step : 0;
    const int64_t dy = direction == NudgeDirection::Up ? -step : direction == NudgeDirection::Down ? step : 0;
    bool moved = false;
    for (const ControlPtr& element : elements) {
        moved = MoveElement(*element, dx, dy) || moved;
    }
    return moved;
}

MicoMove::MicoMove(NudgeDirection direction, int64_t nowNs, std::vector<ControlPtr> elements)
    : m_direction(direction), m_lastTimeNs(nowNs), m_elements(std::move(elements))
{
    for (const ControlPtr& element : m_elements) {
        m_before.push_back(element->GetPos());
    }
    m_after.assign(m_elements.size(), Rect{});
}

bool MicoMove::Continues(NudgeDirection direction, int64_t nowNs, const std::vector<ControlPtr>& elements) const
{
    return direction == m_direction && (nowNs - m_lastTimeNs) / 1000000 <= kMergeWindowMs &&
           elements == m_elements;
}

bool MicoMove::Nudge(int64_t nowNs)
{
    if (m_elements.empty() || !NudgeElements(m_elements, m_direction, 1)) {
        return false;
    }
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        m_after[i] = m_elements[i]->GetPos();
    }
    m_lastTimeNs = nowNs;
    return true;
}

void MicoMove::Apply(bool undo) const
{
    PlaceElements(m_elements, undo ? m_before : m_after);
    if (!m_elements.empty()) {
        LayOutParent(m_elements.back().get());
    }
}

void PlaceElements(const std::vector<ControlPtr>& elements, const std::vector<Rect>& rects)
{
    const std::size_t count = std::min(elements.size(), rects.size());
    for (std::size_t i = 0; i < count; ++i) {
        CControlUI& element = *elements[i];
        const Rect& r = rects[i];
        const CControlUI* parent = element.GetParent();
        const Rect origin = parent != nullptr ? parent->GetPos() : Rect{};
        element.SetFixedXY(platform::Size{SaturatingAdd(r.left, -int64_t(origin.left)),
                                          SaturatingAdd(r.top, -int64_t(origin.top))});
        element.SetFixedHeight(static_cast<int32_t>(std::clamp<int64_t>(r.Height(), 0, INT32_MAX)));
        element.SetFixedWidth(static_cast<int32_t>(std::clamp<int64_t>(r.Width(), 0, INT32_MAX)));
    }
}

void LayOutParent(CControlUI* element)
{
    if (element == nullptr) {
        return;
    }
    if (CControlUI* parent = element->GetParent()) {
        parent->SetPos(parent->GetPos());
    }
}

} // namespace editor
