#pragma once

#include "platform/Geometry.h"

#include <QImage>
#include <QRect>

namespace platform {

// Keyed ink is an image whose pixels either replace the page's or leave it
// as it was, with nothing in between: text keyed out of white paper, or a
// ring filled without anti-aliasing. It comes in two forms:
// - Format_ARGB32_Premultiplied, every pixel zero (clear) or opaque;
// - Format_Grayscale8 for grey ink: 255 is clear, any other value v is the
//   opaque grey 0xFF000000 | v * 0x010101. A quarter of the memory, which
//   matters when hundreds of labels are held and redrawn on every paint.

// The image with pure white (0xFFFFFF) made fully transparent and every other
// pixel opaque: what DrawWhiteKeyed draws, for callers that keep it.
QImage KeyOutWhite(const QImage& image);

// The part of an image that is not pure white (0xFFFFFF), keyed as
// KeyOutWhite keys it and cropped to its inked pixels; grey when every inked
// pixel is an opaque grey. A null image when nothing is inked; `at` is where
// the crop lay in the image.
struct InkCrop
{
    QImage ink;
    Point at;
};
InkCrop CropKeyedInk(const QImage& image);

// The keyed ink as a premultiplied image (for drawing where a plain copy
// cannot be made, such as under a rounded clip).
QImage KeyedInkAsArgb(const QImage& ink);

// RGB32 and ARGB32_Premultiplied pages, whose opaque pixels are stored as
// they are drawn: ink can be copied straight into them.
bool IsPlainPage(const QImage& page);

// Copies the ink's opaque pixels onto a plain page (IsPlainPage)
// with the ink's top-left at `at`, within `area` (page pixels). Pixel for
// pixel what QPainter's blend of the premultiplied form gives. False, with
// nothing drawn, for other page formats or an ink of neither form.
bool CopyKeyedInk(QImage& page, const QRect& area, Point at, const QImage& ink);

} // namespace platform
