#pragma once

#include "device/PackedImage.h"

#include <QImage>

namespace device {

// Packs an image into printer bits, a dot being ink where isInk(pixel) holds.
// 32-bit images are read a row at a time (QImage::pixel, per dot, cost a
// page upload more than all its drawing); their values are the ones pixel()
// gives but for the alpha byte of RGB32, which no ink rule reads.
template <typename InkRule> PackedImage PackDots(const QImage& image, InkRule isInk)
{
    PackedImage packed = PackedImage::Blank(image.width(), image.height());
    if (packed.IsEmpty() || !packed.IsConsistent()) {
        return packed;
    }
    const QImage::Format format = image.format();
    const bool rows = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                      format == QImage::Format_ARGB32_Premultiplied;
    const auto rowBytes = static_cast<std::size_t>(BitmapRowBytes(std::uint64_t(packed.width)));
    // Pages are mostly runs of one colour: the rule is asked once per run.
    QRgb lastPixel = 0;
    bool lastInk = isInk(lastPixel);
    for (int y = 0; y < packed.height; ++y) {
        std::uint8_t* out = packed.bits.data() + rowBytes * static_cast<std::size_t>(y);
        const auto* line = rows ? reinterpret_cast<const QRgb*>(image.constScanLine(y)) : nullptr;
        for (int x = 0; x < packed.width; ++x) {
            const QRgb pixel = rows ? line[x] : image.pixel(x, y);
            if (pixel != lastPixel) {
                lastPixel = pixel;
                lastInk = isInk(pixel);
            }
            if (lastInk) {
                out[x / 8] = static_cast<std::uint8_t>(out[x / 8] | (0x80u >> (x % 8)));
            }
        }
    }
    return packed;
}

} // namespace device
