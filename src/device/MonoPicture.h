#pragma once

#include "device/PackedImage.h"

#include <QImage>

namespace device {

// The printer's 1-bit bitmap as a picture: white paper, black ink, the same
// bits row for row. Every tool that writes the printer's dots as a PNG
// writes them through this, so their files match byte for byte. A null
// image when the bitmap is too large to hold.
QImage ToMonoPicture(const PackedImage& bitmap);

} // namespace device
