#include "elements/DesignLabelUI.h"

#include "platform/AreaStretch.h"
#include "platform/DrawTextFlags.h"
#include "platform/DrawingContext.h"
#include "platform/KeyedInk.h"

#include <utility>

namespace MarkupUI {

using platform::Rect;
using platform::Size;

namespace {
// A text image beyond this many pixels is not drawn: no ticket needs it and
// a hostile template must not exhaust memory.
constexpr int64_t kMaxTextImagePixels = 4LL * 1024 * 1024;
} // namespace

Rect CDesignLabelUI::TextPart(Size display, const Rect& visible) const
{
    // The text fills the display size from the top-left corner whatever
    // its alignment; only the part being repainted is computed.
    const Rect box{m_pos.left, m_pos.top, platform::SaturatingAdd(m_pos.left, display.cx),
                   platform::SaturatingAdd(m_pos.top, display.cy)};
    const Rect shown = platform::Intersect(box, visible);
    if (shown.IsEmpty()) {
        return Rect{};
    }
    return Rect{shown.left - box.left, shown.top - box.top, shown.right - box.left, shown.bottom - box.top};
}

bool CDesignLabelUI::HoldsTextImage(Size display, const Rect& part, const QFont* font) const
{
    const TextImage& held = m_textImage;
    if (!held.held || held.part != part || held.display != display || held.style != m_textStyle ||
        held.text != m_text) {
        return false;
    }
    if (font != nullptr) {
        return held.font == *font;
    }
    return m_font ? held.font == *m_font : held.font == GetDrawingFont();
}

bool CDesignLabelUI::PaintOnlyChangesPixels(const Rect& paint, const Rect& clipBox)
{
    if (m_text.isEmpty()) {
        return true;
    }
    // A rounded border narrows the clip the text is drawn under.
    if (m_borderRound.cx > 0 || m_borderRound.cy > 0) {
        return false;
    }
    const Size display = GetDisplaySize();
    if (display.cx <= 0 || display.cy <= 0) {
        return true;
    }
    const Rect part = TextPart(display, platform::Intersect(platform::Intersect(paint, m_pos), clipBox));
    return part.IsEmpty() || HoldsTextImage(display, part);
}

void CDesignLabelUI::PaintText(platform::DrawingContext& dc)
{
    if (m_text.isEmpty()) {
        return;
    }
    const QFont font = GetDrawingFont();
    const Size display = GetDisplaySize();
    if (display.cx <= 0 || display.cy <= 0) {
        return;
    }
    const Rect part = TextPart(display, platform::Intersect(m_paintRect, dc.ClipBox()));
    if (part.IsEmpty()) {
        return;
    }
    const platform::Point shownAt{m_pos.left + part.left, m_pos.top + part.top};

    TextImage& cached = m_textImage;
    if (!HoldsTextImage(display, part, &font)) {
        const Size extent = dc.MeasureText(font, m_text, m_textStyle);
        if (extent.cx <= 0 || extent.cy <= 0 || int64_t(extent.cx) * extent.cy > kMaxTextImagePixels) {
            return;
        }
        QImage text(extent.cx, extent.cy, QImage::Format_ARGB32_Premultiplied);
        if (text.isNull()) {
            return;
        }
        text.fill(Qt::white);
        {
            platform::DrawingContext textDc(text);
            textDc.DrawText(Rect{0, 0, extent.cx, extent.cy}, m_text, font, Qt::black,
                            m_textStyle | platform::DT_NOPREFIX);
        }
        const QImage stretched =
            platform::StretchAreaAveraged(text, Rect{0, 0, extent.cx, extent.cy}, display, part);
        platform::InkCrop crop = platform::CropKeyedInk(stretched);
        cached = TextImage{m_text, font, m_textStyle, display, part, true, std::move(crop.ink), crop.at};
    }
    // Kept with white already keyed out: the same pixels as drawing the
    // stretched text white-keyed.
    if (!cached.ink.isNull()) {
        dc.DrawKeyedInk(platform::Point{shownAt.x + cached.inkAt.x, shownAt.y + cached.inkAt.y}, cached.ink);
    }
}

} // namespace MarkupUI
