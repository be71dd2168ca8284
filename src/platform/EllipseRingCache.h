#pragma once

#include <QImage>
#include <QRgb>

namespace platform {

// The ring a circle element draws (an ellipse, less the ellipse inside it
// by the border width), filled without anti-aliasing so every pixel is
// either the colour or untouched. A ring drawn at any whole-pixel position
// covers the same pixels relative to its box, so one image per size, border
// and colour serves every circle of that shape, and a repaint copies it
// instead of filling a curved path again.
//
// The ring of a width x height box as an image with the ring opaque in
// colour and everything else transparent, held by the calling thread once
// it asks for the same shape a second time. Nothing the first time, and
// for boxes too large to hold: the caller fills the ring itself.
const QImage* EllipseRingImage(int width, int height, int border, QRgb color);

} // namespace platform
