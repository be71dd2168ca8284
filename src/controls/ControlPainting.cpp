// The paint steps every control shares.
#include "controls/ControlUI.h"

#include "controls/ImageStringDrawing.h"
#include "controls/PaintManagerUI.h"
#include "platform/DrawingContext.h"

namespace MarkupUI {

using platform::DrawingContext;
using platform::OpaqueColor;
using platform::Point;
using platform::Rect;

namespace {
constexpr int kHalfGradientSteps = 8;
constexpr int kGradientSteps = 16;
} // namespace

void CControlUI::DoPaintStatic(DrawingContext&, const Rect&) {}

void CControlUI::DoPaint(DrawingContext& dc, const Rect& paint)
{
    const Rect visible = platform::Intersect(paint, m_pos);
    if (visible.IsEmpty()) {
        return;
    }
    m_paintRect = visible;
    platform::ClipScope scope(dc);
    if (m_borderRound.cx > 0 || m_borderRound.cy > 0) {
        dc.IntersectClip(m_paintRect);
        dc.IntersectClipRoundRect(m_pos, m_borderRound);
    }
    PaintBkColor(dc);
    PaintBkImage(dc);
    PaintStatusImage(dc);
    PaintText(dc);
    PaintBorder(dc);
}

void CControlUI::PaintBkColor(DrawingContext& dc)
{
    if (m_bkColor == 0) {
        return;
    }
    if (m_bkColor2 != 0) {
        if (m_bkColor3 != 0) {
            const int32_t middle = static_cast<int32_t>((int64_t(m_pos.top) + m_pos.bottom) / 2);
            dc.FillVerticalGradient(Rect{m_pos.left, m_pos.top, m_pos.right, middle}, OpaqueColor(m_bkColor),
                                    OpaqueColor(m_bkColor2), kHalfGradientSteps);
            dc.FillVerticalGradient(Rect{m_pos.left, middle, m_pos.right, m_pos.bottom},
                                    OpaqueColor(m_bkColor2), OpaqueColor(m_bkColor3), kHalfGradientSteps);
        } else {
            dc.FillVerticalGradient(m_pos, OpaqueColor(m_bkColor), OpaqueColor(m_bkColor2), kGradientSteps);
        }
        return;
    }
    // A colour with an alpha below FF is blended over what lies beneath, so
    // a template's "#00FF0000" is fully transparent as written.
    if ((m_bkColor >> 24) < 0xFF) {
        dc.Blend(m_pos, platform::ArgbColor(m_bkColor));
    } else {
        dc.Fill(m_paintRect, OpaqueColor(m_bkColor));
    }
}

void CControlUI::PaintBkImage(DrawingContext& dc)
{
    if (!m_bkImage.isEmpty()) {
        DrawImage(dc, m_bkImage);
    }
}

void CControlUI::PaintStatusImage(DrawingContext&) {}

void CControlUI::PaintText(DrawingContext&) {}

void CControlUI::PaintBorder(DrawingContext& dc)
{
    if (m_borderColor == 0 && m_focusBorderColor == 0) {
        return;
    }
    const bool rounded = m_borderRound.cx > 0 || m_borderRound.cy > 0;
    const bool focusFrame = IsFocused() && m_focusBorderColor != 0;
    if (rounded && m_borderSize >= 1) {
        const uint32_t color = focusFrame ? m_focusBorderColor : m_borderColor;
        dc.DrawFrameRoundRect(m_pos, m_borderRound, m_borderSize, OpaqueColor(color));
        return;
    }
    if (focusFrame && m_borderSize > 0) {
        dc.DrawFrameRect(m_pos, m_borderSize, OpaqueColor(m_focusBorderColor));
        return;
    }
    const Rect& sides = m_sideBorderSizes;
    if (sides.left > 0 || sides.top > 0 || sides.right > 0 || sides.bottom > 0) {
        // Each side's line lies along the inside of its edge.
        const QColor color = OpaqueColor(m_borderColor);
        const Rect& p = m_pos;
        if (sides.left > 0) {
            const int32_t x = p.left + (sides.left - 1) / 2;
            dc.DrawLine(Point{x, p.top}, Point{x, p.bottom}, sides.left, color, m_borderStyle);
        }
        if (sides.top > 0) {
            const int32_t y = p.top + (sides.top - 1) / 2;
            dc.DrawLine(Point{p.left, y}, Point{p.right, y}, sides.top, color, m_borderStyle);
        }
        if (sides.right > 0) {
            const int32_t x = p.right - 1 - sides.right / 2;
            dc.DrawLine(Point{x, p.top}, Point{x, p.bottom}, sides.right, color, m_borderStyle);
        }
        if (sides.bottom > 0) {
            const int32_t y = p.bottom - 1 - sides.bottom / 2;
            dc.DrawLine(Point{p.left, y}, Point{p.right, y}, sides.bottom, color, m_borderStyle);
        }
        return;
    }
    if (m_borderSize > 0) {
        dc.DrawFrameRect(m_pos, m_borderSize, OpaqueColor(m_borderColor));
    }
}

void CControlUI::DoPostPaint(DrawingContext&, const Rect&) {}

std::optional<Rect> CControlUI::PaintReach() const
{
    return std::nullopt;
}

bool CControlUI::PaintOnlyChangesPixels(const Rect&, const Rect&)
{
    return true;
}

Rect CControlUI::OpaqueCover()
{
    return Rect{};
}

bool CControlUI::DrawImage(DrawingContext& dc, const QString& imageString)
{
    if (m_manager == nullptr) {
        return false;
    }
    return DrawImageString(dc, *m_manager, m_pos, m_paintRect, imageString);
}

} // namespace MarkupUI
