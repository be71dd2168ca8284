#include "controls/ControlUI.h"

#include "controls/PaintManagerUI.h"

namespace MarkupUI {

using platform::Rect;
using platform::Size;

CControlUI::CControlUI() = default;

CControlUI::~CControlUI()
{
    OnDestroy(this);
    if (m_manager != nullptr) {
        m_manager->ReapObjects(this);
    }
}

QString CControlUI::GetClass() const
{
    return QStringLiteral("ControlUI");
}

void* CControlUI::GetInterface(const QString& name)
{
    if (name == u"Control") {
        return this;
    }
    return nullptr;
}

bool CControlUI::Activate()
{
    return IsVisible() && IsEnabled();
}

void CControlUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init)
{
    m_manager = manager;
    m_parent = parent;
    if (init && m_parent != nullptr) {
        Init();
    }
}

void CControlUI::SetText(const QString& text)
{
    if (m_text == text) {
        return;
    }
    m_text = text;
    Invalidate();
}

Rect CControlUI::ClipByAncestors(Rect rc) const
{
    for (const CControlUI* ancestor = m_parent; ancestor != nullptr; ancestor = ancestor->m_parent) {
        rc = platform::Intersect(rc, ancestor->GetPos());
        if (rc.IsEmpty()) {
            return Rect{};
        }
    }
    return rc;
}

void CControlUI::FireSizeEvent()
{
    if (!m_setPosInProgress) {
        m_setPosInProgress = true;
        OnSize(this);
        m_setPosInProgress = false;
    }
}

Rect CControlUI::StorePos(Rect rc)
{
    rc = platform::Normalized(rc);
    Rect old = m_pos;
    if (old.IsEmpty()) {
        old = rc;
    }
    m_pos = rc;
    return old;
}

void CControlUI::SetPos(Rect rc)
{
    const Rect old = StorePos(rc);
    if (m_manager == nullptr) {
        return;
    }
    FireSizeEvent();
    if (m_float && m_parent != nullptr) {
        const Rect& parentPos = m_parent->GetPos();
        m_fixedXY.cx = m_fixedXY.cx >= 0 ? m_pos.left - parentPos.left : m_pos.right - parentPos.right;
        m_fixedXY.cy = m_fixedXY.cy >= 0 ? m_pos.top - parentPos.top : m_pos.bottom - parentPos.bottom;
        m_fixedSize = Size{GetWidth(), GetHeight()};
    }
    m_updateNeeded = false;
    const Rect dirty = ClipByAncestors(platform::Union(old, m_pos));
    if (!dirty.IsEmpty()) {
        m_manager->Invalidate(dirty);
    }
}

void CControlUI::SetPadding(const Rect& padding)
{
    m_padding = padding;
    NeedParentUpdate();
}

void CControlUI::SetFixedXY(Size xy)
{
    m_fixedXY = xy;
    m_float ? NeedUpdate() : NeedParentUpdate();
}

void CControlUI::SetFixedWidth(int32_t cx)
{
    if (cx < 0) {
        return;
    }
    m_fixedSize.cx = cx;
    m_float ? NeedUpdate() : NeedParentUpdate();
}

void CControlUI::SetFixedHeight(int32_t cy)
{
    if (cy < 0) {
        return;
    }
    m_fixedSize.cy = cy;
    m_float ? NeedUpdate() : NeedParentUpdate();
}

namespace {
// The min/max setters ignore negative and unchanged values.
bool StoreLimit(int32_t& field, int32_t value)
{
    if (value < 0 || value == field) {
        return false;
    }
    field = value;
    return true;
}
} // namespace

void CControlUI::SetMinWidth(int32_t cx)
{
    if (StoreLimit(m_minSize.cx, cx)) {
        m_float ? NeedUpdate() : NeedParentUpdate();
    }
}

void CControlUI::SetMaxWidth(int32_t cx)
{
    if (StoreLimit(m_maxSize.cx, cx)) {
        m_float ? NeedUpdate() : NeedParentUpdate();
    }
}

void CControlUI::SetMinHeight(int32_t cy)
{
    if (StoreLimit(m_minSize.cy, cy)) {
        m_float ? NeedUpdate() : NeedParentUpdate();
    }
}

void CControlUI::SetMaxHeight(int32_t cy)
{
    if (StoreLimit(m_maxSize.cy, cy)) {
        m_float ? NeedUpdate() : NeedParentUpdate();
    }
}

void CControlUI::SetRelativePos(Size move, Size zoom)
{
    m_relativePos.relative = true;
    m_relativePos.moveXPercent = move.cx;
    m_relativePos.moveYPercent = move.cy;
    m_relativePos.zoomXPercent = zoom.cx;
    m_relativePos.zoomYPercent = zoom.cy;
}

void CControlUI::SetRelativeParentSize(Size size)
{
    m_relativePos.parentSize = size;
}

void CControlUI::SetVisible(bool visible)
{
    if (m_visible == visible) {
        return;
    }
    const bool wasVisible = IsVisible();
    m_visible = visible;
    if (!visible && m_focused && m_manager != nullptr) {
        m_manager->SetFocus(nullptr);
    }
    if (IsVisible() != wasVisible) {
        NeedParentUpdate();
    }
}

void CControlUI::SetInternVisible(bool visible)
{
    m_internVisible = visible;
    if (!visible && m_focused && m_manager != nullptr) {
        m_manager->SetFocus(nullptr);
    }
}

void CControlUI::SetEnabled(bool enabled)
{
    if (m_enabled == enabled) {
        return;
    }
    m_enabled = enabled;
    Invalidate();
}

void CControlUI::SetFocus()
{
    if (m_manager != nullptr) {
        m_manager->SetFocus(this);
    }
}

void CControlUI::SetFloat(bool isFloat)
{
    if (m_float == isFloat) {
        return;
    }
    m_float = isFloat;
    NeedParentUpdate();
}

CControlUI* CControlUI::FindControl(FindControlProc proc, void* data, uint32_t flags)
{
    if ((flags & UIFIND_VISIBLE) != 0 && !IsVisible()) {
        return nullptr;
    }
    if ((flags & UIFIND_ENABLED) != 0 && !IsEnabled()) {
        return nullptr;
    }
    if ((flags & UIFIND_HITTEST) != 0 &&
        (!m_mouseEnabled || data == nullptr || !m_pos.Contains(*static_cast<const platform::Point*>(data)))) {
        return nullptr;
    }
    return proc(this, data);
}

void CControlUI::Invalidate()
{
    if (!IsVisible() || m_manager == nullptr) {
        return;
    }
    const Rect dirty = ClipByAncestors(m_pos);
    if (!dirty.IsEmpty()) {
        m_manager->Invalidate(dirty);
    }
}

void CControlUI::Init()
{
    DoInit();
    OnInit(this);
}

void CControlUI::Event(TEventUI& event)
{
    if (OnEvent(&event)) {
        DoEvent(event);
    }
}

void CControlUI::DoEvent(TEventUI& event)
{
    switch (event.type) {
    case EventType::SetCursor:
        return; // the view keeps the arrow cursor over plain controls
    case EventType::SetFocus:
        m_focused = true;
        Invalidate();
        return;
    case EventType::KillFocus:
        m_focused = false;
        Invalidate();
        return;
    case EventType::Timer:
        if (m_manager != nullptr) {
            m_manager->SendNotify(this, QStringLiteral("timer"));
        }
        return;
    case EventType::ContextMenu:
        if (m_menuUsed) {
            if (m_manager != nullptr) {
                m_manager->SendNotify(this, QStringLiteral("menu"));
            }
            return;
        }
        break;
    default:
        break;
    }
    if (m_parent != nullptr) {
        m_parent->DoEvent(event);
    }
}

Size CControlUI::EstimateSize(Size)
{
    return m_fixedSize;
}

void CControlUI::NeedUpdate()
{
    if (!IsVisible()) {
        return;
    }
    m_updateNeeded = true;
    Invalidate();
    if (m_manager != nullptr) {
        m_manager->NeedUpdate();
    }
}

void CControlUI::NeedParentUpdate()
{
    if (m_parent != nullptr) {
        m_parent->NeedUpdate();
        m_parent->Invalidate();
    } else {
        NeedUpdate();
    }
    if (m_manager != nullptr) {
        m_manager->NeedUpdate();
    }
}

} // namespace MarkupUI
