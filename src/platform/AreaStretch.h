#pragma once

#include "platform/Geometry.h"

#include <QImage>

namespace platform {

// Scales the part `source` of an image to destSize by area averaging: every
// destination pixel is the coverage-weighted mean of the source pixels under
// it, in both directions. Shrinking keeps thin strokes as grey instead of
// dropping them, as the printer's page and glyph images need; pure white
// regions stay pure white. Only the destination pixels in `part` (clipped to
// (0, 0, destSize)) are computed; the result is an image of part's size in
// Format_ARGB32_Premultiplied. An empty source, size or part gives a null
// image.
QImage StretchAreaAveraged(const QImage& image, const Rect& source, Size destSize, const Rect& part);

// The whole image stretched to destSize.
QImage StretchAreaAveraged(const QImage& image, Size destSize);

} // namespace platform
