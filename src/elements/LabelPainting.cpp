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
    // The text fills the display size from the top-left corner whatever
    // its alignment; only the part being repainted is computed.
    const Rect box{m_pos.left, m_pos.top, platform::SaturatingAdd(m_pos.left, display.cx),
                   platform::SaturatingAdd(m_pos.top, display.cy)};
    const Rect shown = platform::Intersect(box, platform::Intersect(m_paintRect, dc.ClipBox()));
    if (shown.IsEmpty()) {
        return;
    }
    const Rect part{shown.left - box.left, shown.top - box.top, shown.right - box.left,
                    shown.bottom - box.top};

    TextImage& cached = m_textImage;
    if (!cached.held || cached.text != m_text || cached.style != m_textStyle || cached.display != display ||
        cached.part != part || !(cached.font == font)) {
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
        dc.DrawKeyedInk(platform::Point{shown.left + cached.inkAt.x, shown.top + cached.inkAt.y}, cached.ink);
    }
}

} // namespace MarkupUI
