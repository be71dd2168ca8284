#include "device/GlyphRaster.h"

#include "device/DotPacking.h"
#include "elements/DesignLabelUI.h"
#include "platform/AreaStretch.h"
#include "platform/DrawTextFlags.h"
#include "platform/DrawingContext.h"
#include "platform/MulDiv.h"

#include <QFont>
#include <QString>

#include <algorithm>
#include <cmath>
#include <list>
#include <utility>
#include <vector>

namespace device {

using platform::MulDiv;
using platform::Size;

namespace {
// Larger source images than this are not drawn: a hostile template cannot
// make the designer allocate gigabytes for one glyph.
constexpr int64_t kMaxSourcePixels = int64_t(16) << 20;
} // namespace

GlyphSizing SizeGlyph(Size charExtent, Size textExtent, Size elementSize, const PrintableArea& area)
{
    const int32_t w1 = MulDiv(charExtent.cx, elementSize.cx, textExtent.cx);
    const int32_t h1 = MulDiv(charExtent.cy, elementSize.cy, textExtent.cy);
    int64_t width = MulDiv(w1, area.devWidth, area.viewWidth);
    int64_t height = MulDiv(h1, area.devHeight, area.viewHeight);
    // MulDiv answers -1 for a zero divisor; such a glyph has no size at all.
    if (w1 < 0 || h1 < 0 || width < 0 || height < 0) {
        return GlyphSizing{};
    }
    GlyphSizing sizing;
    sizing.designed = Size{static_cast<int32_t>(width), static_cast<int32_t>(height)};
    if (width * height > int64_t(kMaxGlyphDots)) {
        sizing.scale = 64.0 / std::sqrt(double(width * height));
        width = static_cast<int64_t>(double(width) * sizing.scale);
        height = static_cast<int64_t>(double(height) * sizing.scale);
    }
    sizing.printed = Size{static_cast<int32_t>(width), static_cast<int32_t>(height)};
    return sizing;
}

Size GlyphSizeInDots(Size charExtent, Size textExtent, Size elementSize, const PrintableArea& area)
{
    return SizeGlyph(charExtent, textExtent, elementSize, area).printed;
}

namespace {

// What every glyph of one element shares.
struct GlyphStyle
{
    QFont font;
    QString text;
    uint32_t textStyle = 0;
    Size elementSize;
    PrintableArea area;

    bool operator==(const GlyphStyle& other) const
    {
        return font == other.font && text == other.text && textStyle == other.textStyle &&
               elementSize == other.elementSize && area.devWidth == other.area.devWidth &&
               area.devHeight == other.area.devHeight && area.viewWidth == other.area.viewWidth &&
               area.viewHeight == other.area.viewHeight;
    }
};

GlyphStyle StyleOf(const MarkupUI::CDesignLabelUI& element, const PrintableArea& area)
{
    return GlyphStyle{element.GetDrawingFont(), element.GetText(), element.GetTextStyle(),
                      Size{element.GetFixedWidth(), element.GetFixedHeight()}, area};
}

PackedImage DrawGlyph(const GlyphStyle& style, Size textExtent, QChar ch)
{
    const QString character(ch);
    QImage probe(1, 1, QImage::Format_RGB32);
    platform::DrawingContext measuring(probe);
    const Size charExtent = measuring.MeasureText(style.font, character, platform::DT_SINGLELINE);
    const Size glyph = GlyphSizeInDots(charExtent, textExtent, style.elementSize, style.area);

    PackedImage packed = PackedImage::Blank(glyph.cx, glyph.cy);
    if (packed.IsEmpty() || charExtent.cx <= 0 || charExtent.cy <= 0) {
        return packed;
    }
    // The character is drawn on white in a canvas at least its own size, so
    // a character larger than its box is read whole, never past the canvas.
    const int canvasWidth = std::max(style.elementSize.cx, charExtent.cx);
    const int canvasHeight = std::max(style.elementSize.cy, charExtent.cy);
    if (int64_t(canvasWidth) * canvasHeight > kMaxSourcePixels) {
        return packed;
    }
    QImage canvas(canvasWidth, canvasHeight, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        platform::DrawingContext dc(canvas);
        const platform::Rect cell{0, 0, charExtent.cx, charExtent.cy};
        dc.Fill(cell, Qt::white);
        dc.DrawText(cell, character, style.font, Qt::black, style.textStyle | platform::DT_NOPREFIX);
    }
    const QImage scaled =
        platform::StretchAreaAveraged(canvas, platform::Rect{0, 0, charExtent.cx, charExtent.cy}, glyph,
                                      platform::Rect{0, 0, glyph.cx, glyph.cy});
    return scaled.isNull() ? packed : PackGlyphBits(scaled);
}

Size TextExtent(const GlyphStyle& style)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    platform::DrawingContext measuring(probe);
    return measuring.MeasureText(style.font, style.text, platform::DT_SINGLELINE);
}

// A ticket has a few dynamic fields, uploaded again and again as the
// operator edits the rest: their glyph sets are drawn once.
constexpr std::size_t kHeldGlyphSets = 16;

struct HeldGlyphSet
{
    GlyphStyle style;
    QString characters;
    std::vector<PackedImage> glyphs;
};

} // namespace

std::vector<GlyphSizing> MeasureGlyphs(MarkupUI::CDesignLabelUI& element, const QString& characters,
                                       const PrintableArea& area)
{
    const GlyphStyle style = StyleOf(element, area);
    const Size textExtent = TextExtent(style);
    QImage probe(1, 1, QImage::Format_RGB32);
    platform::DrawingContext measuring(probe);
    std::vector<GlyphSizing> sizes;
    sizes.reserve(static_cast<std::size_t>(characters.size()));
    for (const QChar ch : characters) {
        const Size charExtent = measuring.MeasureText(style.font, QString(ch), platform::DT_SINGLELINE);
        sizes.push_back(SizeGlyph(charExtent, textExtent, style.elementSize, style.area));
    }
    return sizes;
}

PackedImage RenderGlyph(MarkupUI::CDesignLabelUI& element, QChar ch, const PrintableArea& area)
{
    const GlyphStyle style = StyleOf(element, area);
    return DrawGlyph(style, TextExtent(style), ch);
}

const std::vector<PackedImage>& RenderGlyphSet(MarkupUI::CDesignLabelUI& element, const QString& characters,
                                               const PrintableArea& area)
{
    // Most recently used first. Each thread draws with its own: uploads
    // encode off the UI thread.
    thread_local std::list<HeldGlyphSet> held;
    GlyphStyle style = StyleOf(element, area);
    for (auto it = held.begin(); it != held.end(); ++it) {
        if (it->characters == characters && it->style == style) {
            held.splice(held.begin(), held, it);
            return held.front().glyphs;
        }
    }
    const Size textExtent = TextExtent(style);
    std::vector<PackedImage> glyphs;
    glyphs.reserve(static_cast<std::size_t>(characters.size()));
    for (const QChar ch : characters) {
        glyphs.push_back(DrawGlyph(style, textExtent, ch));
    }
    held.push_front(HeldGlyphSet{std::move(style), characters, std::move(glyphs)});
    if (held.size() > kHeldGlyphSets) {
        held.pop_back();
    }
    return held.front().glyphs;
}

PackedImage PackGlyphBits(const QImage& image)
{
    return PackDots(
        image, [](QRgb pixel) { return qRed(pixel) != 255 || qGreen(pixel) != 255 || qBlue(pixel) != 255; });
}

} // namespace device
