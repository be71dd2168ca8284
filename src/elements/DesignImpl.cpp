#include "elements/DesignImpl.h"

#include "controls/PaintManagerUI.h"

#include <algorithm>

namespace MarkupUI {

using platform::Rect;
using platform::SaturatingAdd;

namespace {
// The design view draws the form 20 units right of and below its origin
// (room for the rulers) and selection handles reach 6 units outside.
constexpr int32_t kViewOriginShift = 20;
constexpr int32_t kHandleMargin = 6;
} // namespace

CDesignImpl::CDesignImpl()
{
    m_float = true;
}

void CDesignImpl::SetPos(Rect rc)
{
    const Rect old = StorePos(rc);
    if (m_manager == nullptr) {
        return;
    }
    FireSizeEvent();
    // Unlike plain controls, the offset is always kept relative to the
    // form's top-left corner: templates store it that way.
    if (m_parent != nullptr) {
        const Rect& parentPos = m_parent->GetPos();
        m_fixedXY = platform::Size{static_cast<int32_t>(int64_t(m_pos.left) - parentPos.left),
                                   static_cast<int32_t>(int64_t(m_pos.top) - parentPos.top)};
        m_fixedSize = platform::Size{GetWidth(), GetHeight()};
    }
    m_updateNeeded = false;
    InvalidateInView(ClipByAncestors(platform::Union(old, m_pos)));
}

void CDesignImpl::Invalidate()
{
    if (!IsVisible() || m_manager == nullptr) {
        return;
    }
    InvalidateInView(ClipByAncestors(m_pos));
}

void CDesignImpl::DoPaintStatic(platform::DrawingContext& dc, const Rect& paint)
{
    DoPaint(dc, paint);
}

std::optional<Rect> CDesignImpl::PaintReach() const
{
    // Text, images and fills stay inside the position. Borders, sides and
    // shape lines are at most their width across and may sit astride an
    // edge; smoothed edges spill a pixel more.
    const Rect& sides = m_sideBorderSizes;
    const int64_t widest = std::max({int64_t(0), int64_t(m_borderSize), int64_t(sides.left), int64_t(sides.top),
                                     int64_t(sides.right), int64_t(sides.bottom)});
    const int64_t spill = widest + 2;
    return Rect{SaturatingAdd(m_pos.left, -spill), SaturatingAdd(m_pos.top, -spill),
                SaturatingAdd(m_pos.right, spill), SaturatingAdd(m_pos.bottom, spill)};
}

platform::Size CDesignImpl::GetDisplaySize()
{
    return m_fixedSize;
}

void CDesignImpl::InvalidateInView(const Rect& rect)
{
    if (rect.IsEmpty() || m_manager == nullptr) {
        return;
    }
    m_manager->Invalidate(Rect{SaturatingAdd(rect.left, kViewOriginShift - kHandleMargin),
                               SaturatingAdd(rect.top, kViewOriginShift - kHandleMargin),
                               SaturatingAdd(rect.right, kViewOriginShift + kHandleMargin),
                               SaturatingAdd(rect.bottom, kViewOriginShift + kHandleMargin)});
}

} // namespace MarkupUI
