#include "elements/FormUI.h"

#include "controls/PaintManagerUI.h"
#include "elements/ElementKind.h"
#include "platform/MulDiv.h"

#include <algorithm>
#include <limits>

namespace MarkupUI {

using platform::MulDiv;
using platform::Rect;
using platform::SaturatingAdd;
using platform::Size;

CFormUI::CFormUI() = default;

CFormUI::~CFormUI()
{
    // Elements may outlive the form (undo history, clipboard): they must
    // not keep pointing at this form or its paint manager.
    for (const ControlPtr& item : m_items) {
        if (item->GetParent() == this) {
            item->SetManager(nullptr, nullptr, false);
        }
    }
    std::vector<ControlPtr> items;
    items.swap(m_items);
}

int CFormUI::GetElementKind() const
{
    return kElementForm;
}

QString CFormUI::GetClass() const
{
    return QStringLiteral("FormUI");
}

void* CFormUI::GetInterface(const QString& name)
{
    if (name == u"Form") {
        return this;
    }
    if (name == u"IContainer") {
        return static_cast<IContainerUI*>(this);
    }
    return CControlUI::GetInterface(name);
}

int32_t CFormUI::GetPaperWidthMm() const
{
    return m_model == u"80" ? 80 : 58;
}

void CFormUI::SetDpi(float x, float y)
{
    m_dpiX = x;
    m_dpiY = y;
}

void CFormUI::SetScreenDpi(int32_t x, int32_t y)
{
    m_screenDpiX = x;
    m_screenDpiY = y;
}

namespace {
// 32-bit arithmetic as the printer's settings were always computed: wrap
// instead of overflowing into undefined behaviour on absurd inputs.
int32_t Wrap32(int64_t value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

// trunc() of a 32-bit float product, kept inside 32 bits for absurd
// resolutions instead of an undefined conversion.
int32_t TruncateFloat(float value)
{
    if (!(value == value)) { // NaN
        return 0;
    }
    if (value >= 2147483520.0f) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value <= -2147483648.0f) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}
} // namespace

void CFormUI::SetSize(int32_t width, int32_t height)
{
    if (m_manager != nullptr) {
        m_manager->SetInitSize(width, height);
    }
    SetPos(Rect{0, 0, width, height});

    const int32_t paper = GetPaperWidthMm();
    const int32_t px = m_screenDpiX;
    const int32_t py = m_screenDpiY;
    const Rect& pad = m_printPadding;
    m_margins.left = MulDiv(width, pad.left, paper);
    m_margins.right = MulDiv(width, pad.right, paper);
    m_margins.top = MulDiv(width, Wrap32(int64_t(pad.top) * py), Wrap32(int64_t(px) * paper));
    m_margins.bottom = MulDiv(width, Wrap32(int64_t(pad.bottom) * py), Wrap32(int64_t(px) * paper));

    const int32_t dotsPerTenthInchX = TruncateFloat(m_dpiX * 10.0f);
    m_printableDots.cx = MulDiv(Wrap32(int64_t(paper) - pad.left - pad.right), dotsPerTenthInchX, 254);

    // Products wrap to 32 bits one factor at a time: three 32-bit factors
    // can overflow even 64 bits, and the wrapped result is the same.
    const int32_t heightMm =
        Wrap32(int64_t(Wrap32(int64_t(height) - m_margins.top - m_margins.bottom)) * paper);
    if (px == py) {
        m_printableDots.cy = MulDiv(heightMm, TruncateFloat(m_dpiY * 10.0f), Wrap32(int64_t(width) * 254));
    } else {
        const float scaled = m_dpiY * 10.0f * static_cast<float>(px);
        m_printableDots.cy =
            MulDiv(heightMm, TruncateFloat(scaled), Wrap32(int64_t(Wrap32(int64_t(width) * py)) * 254));
    }

    m_printableView.cx = Wrap32(int64_t(m_fixedSize.cx) - m_margins.left - m_margins.right);
    m_printableView.cy = Wrap32(int64_t(m_fixedSize.cy) - m_margins.top - m_margins.bottom);
}

bool CFormUI::MapToDevice(Rect& r) const
{
    r = platform::Intersect(r, m_pos);
    if (r.IsEmpty()) {
        return false;
    }
    const int32_t widthDots = m_printableDots.cx;
    const int32_t heightDots = m_printableDots.cy;
    const int32_t widthView = m_printableView.cx;
    const int32_t heightView = m_printableView.cy;
    r.left = MulDiv(Wrap32(int64_t(r.left) - m_margins.left), widthDots, widthView);
    r.right = MulDiv(Wrap32(int64_t(r.right) - m_margins.left), widthDots, widthView);
    r.top = MulDiv(Wrap32(int64_t(r.top) - m_margins.top), heightDots, heightView);
    r.bottom = MulDiv(Wrap32(int64_t(r.bottom) - m_margins.top), heightDots, heightView);
    r = platform::Intersect(r, Rect{0, 0, widthDots, heightDots});
    return !r.IsEmpty();
}

void CFormUI::SetPos(Rect rc)
{
    const Rect old = StorePos(rc);
    if (m_manager != nullptr) {
        FireSizeEvent();
        m_updateNeeded = false;
        Rect dirty = ClipByAncestors(platform::Union(old, m_pos));
        if (!dirty.IsEmpty()) {
            // Room for the page's shadow drawn by the design view.
            dirty.right = SaturatingAdd(dirty.right, 25);
            dirty.bottom = SaturatingAdd(dirty.bottom, 25);
            m_manager->Invalidate(dirty);
        }
    }
    m_fixedSize = Size{std::max(GetWidth(), 10), std::max(GetHeight(), 10)};

    for (const ControlPtr& item : m_items) {
        if (!item->IsVisible()) {
            continue;
        }
        const Size xy = item->GetFixedXY();
        const int32_t left = SaturatingAdd(m_pos.left, xy.cx);
        const int32_t top = SaturatingAdd(m_pos.top, xy.cy);
        item->SetPos(Rect{left, top, SaturatingAdd(left, item->GetFixedWidth()),
                          SaturatingAdd(top, item->GetFixedHeight())});
    }
}

void CFormUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init)
{
    for (const ControlPtr& item : m_items) {
        item->SetManager(manager, this, init);
    }
    CControlUI::SetManager(manager, parent, init);
}

void CFormUI::SetVisible(bool visible)
{
    if (m_visible == visible) {
        return;
    }
    CControlUI::SetVisible(visible);
    for (const ControlPtr& item : m_items) {
        item->SetInternVisible(visible);
    }
}

void CFormUI::SetInternVisible(bool visible)
{
    CControlUI::SetInternVisible(visible);
    for (const ControlPtr& item : m_items) {
        item->SetInternVisible(visible);
    }
}

CControlUI* CFormUI::FindControl(FindControlProc proc, void* data, uint32_t flags)
{
    const bool hitTest = (flags & UIFIND_HITTEST) != 0;
    const auto* point = static_cast<const platform::Point*>(data);
    if (((flags & UIFIND_VISIBLE) != 0 && !IsVisible()) || ((flags & UIFIND_ENABLED) != 0 && !IsEnabled()) ||
        (hitTest && (point == nullptr || !m_pos.Contains(*point)))) {
        return nullptr;
    }
    const bool meFirst = (flags & UIFIND_ME_FIRST) != 0;
    if (meFirst) {
        if (CControlUI* found = CControlUI::FindControl(proc, data, flags)) {
            return found;
        }
    }
    auto accept = [&](CControlUI* found) {
        return found != nullptr && (!hitTest || found->IsFloat() || m_pos.Contains(*point));
    };
    if ((flags & UIFIND_TOP_FIRST) != 0) {
        for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
            CControlUI* found = (*it)->FindControl(proc, data, flags);
            if (accept(found)) {
                return found;
            }
        }
    } else {
        for (const ControlPtr& item : m_items) {
            CControlUI* found = item->FindControl(proc, data, flags);
            if (accept(found)) {
                return found;
            }
        }
    }
    return meFirst ? nullptr : CControlUI::FindControl(proc, data, flags);
}

void CFormUI::DoEvent(TEventUI& event)
{
    const bool mouseEvent = event.type == EventType::MouseMove || event.type == EventType::ButtonDown ||
                            event.type == EventType::ButtonUp || event.type == EventType::DoubleClick;
    if (mouseEvent && !m_mouseEnabled) {
        if (m_parent != nullptr) {
            m_parent->DoEvent(event);
        }
        return;
    }
    if (event.type == EventType::SetFocus) {
        m_focused = true;
        return;
    }
    if (event.type == EventType::KillFocus) {
        m_focused = false;
        return;
    }
    CControlUI::DoEvent(event);
}

} // namespace MarkupUI
