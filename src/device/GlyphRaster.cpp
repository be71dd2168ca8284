#include "device/GlyphRaster.h"

#include "device/DotPacking.h"
#include "elements/DesignLabelUI.h"
#include "platform/AreaStretch.h"
#include "platform/DrawTextFlags.h"
#include "platform/DrawingContext.h"
#include "platform/MulDiv.h"

#include <algorithm>
#include <cmath>

namespace device {

using platform::MulDiv;
using platform::Size;

namespace {
// Larger source images than this are not drawn: a hostile template cannot
// make the designer allocate gigabytes for one glyph.
constexpr int64_t kMaxSourcePixels = int64_t(16) << 20;
} // namespace

Size GlyphSizeInDots(Size charExtent, Size textExtent, Size elementSize, const PrintableArea& area)
{
    const int32_t w1 = MulDiv(charExtent.cx, elementSize.cx, textExtent.cx);
    const int32_t h1 = MulDiv(charExtent.cy, elementSize.cy, textExtent.cy);
    int64_t width = MulDiv(w1, area.devWidth, area.viewWidth);
    int64_t height = MulDiv(h1, area.devHeight, area.viewHeight);
    // MulDiv answers -1 for a zero divisor; such a glyph has no size at all.
    if (w1 < 0 || h1 < 0 || width < 0 || height < 0) {
        return Size{};
    }
    if (width * height > int64_t(kMaxGlyphDots)) {
        const double scale = 64.0 / std::sqrt(double(width * height));
        width = static_cast<int64_t>(double(width) * scale);
        height = static_cast<int64_t>(double(height) * scale);
    }
    return Size{static_cast<int32_t>(width), static_cast<int32_t>(height)};
}

PackedImage RenderGlyph(MarkupUI::CDesignLabelUI& element, QChar ch, const PrintableArea& area)
{
    const QFont font = element.GetDrawingFont();
    const QString character(ch);
    QImage probe(1, 1, QImage::Format_RGB32);
    platform::DrawingContext measuring(probe);
    const Size charExtent = measuring.MeasureText(font, character, platform::DT_SINGLELINE);
    const Size textExtent = measuring.MeasureText(font, element.GetText(), platform::DT_SINGLELINE);
    const Size elementSize{element.GetFixedWidth(), element.GetFixedHeight()};
    const Size glyph = GlyphSizeInDots(charExtent, textExtent, elementSize, area);

    PackedImage packed = PackedImage::Blank(glyph.cx, glyph.cy);
    if (packed.IsEmpty() || charExtent.cx <= 0 || charExtent.cy <= 0) {
        return packed;
    }
    // The character is drawn on white in a canvas at least its own size, so
    // a character larger than its box is read whole, never past the canvas.
    const int canvasWidth = std::max(elementSize.cx, charExtent.cx);
    const int canvasHeight = std::max(elementSize.cy, charExtent.cy);
    if (int64_t(canvasWidth) * canvasHeight > kMaxSourcePixels) {
        return packed;
    }
    QImage canvas(canvasWidth, canvasHeight, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        platform::DrawingContext dc(canvas);
        const platform::Rect cell{0, 0, charExtent.cx, charExtent.cy};
        dc.Fill(cell, Qt::white);
        dc.DrawText(cell, character, font, Qt::black, element.GetTextStyle() | platform::DT_NOPREFIX);
    }
    const QImage scaled = platform::StretchAreaAveraged(canvas, platform::Rect{0, 0, charExtent.cx, charExtent.cy},
                                                        glyph, platform::Rect{0, 0, glyph.cx, glyph.cy});
    return scaled.isNull() ? packed : PackGlyphBits(scaled);
}

PackedImage PackGlyphBits(const QImage& image)
{
    return PackDots(image,
                    [](QRgb pixel) { return qRed(pixel) != 255 || qGreen(pixel) != 255 || qBlue(pixel) != 255; });
}

} // namespace device
