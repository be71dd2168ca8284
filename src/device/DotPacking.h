#pragma once

#include "device/PackedImage.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cstdint>

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
    // Pages are mostly opaque greys (black text averaged onto white paper),
    // asked of the rule once each; other pixels once per run of one colour.
    std::array<bool, 256> greyInk{};
    for (std::uint32_t v = 0; v < 256; ++v) {
        greyInk[v] = isInk(QRgb(0xFF000000u | v * 0x010101u));
    }
    QRgb lastPixel = 0;
    bool lastInk = isInk(lastPixel);
    const auto inkAt = [&](QRgb pixel) {
        if (pixel == (0xFF000000u | (pixel & 0xFFu) * 0x010101u)) {
            return greyInk[pixel & 0xFFu];
        }
        if (pixel != lastPixel) {
            lastPixel = pixel;
            lastInk = isInk(pixel);
        }
        return lastInk;
    };
    for (int y = 0; y < packed.height; ++y) {
        std::uint8_t* out = packed.bits.data() + rowBytes * static_cast<std::size_t>(y);
        const auto* line = rows ? reinterpret_cast<const QRgb*>(image.constScanLine(y)) : nullptr;
        // Eight dots a byte, gathered before the byte is stored; eight dots
        // of one colour (most of a page is paper) are decided at once.
        for (int x = 0; x < packed.width; x += 8) {
            const int end = std::min(packed.width, x + 8);
            if (rows && end - x == 8) {
                const QRgb first = line[x];
                QRgb differing = 0;
                for (int dot = 1; dot < 8; ++dot) {
                    differing |= line[x + dot] ^ first;
                }
                if (differing == 0) {
                    out[x / 8] = inkAt(first) ? 0xFF : 0x00;
                    continue;
                }
            }
            unsigned byte = 0;
            for (int dot = x; dot < end; ++dot) {
                const QRgb pixel = rows ? line[dot] : image.pixel(dot, y);
                byte |= (inkAt(pixel) ? 0x80u : 0u) >> (dot - x);
            }
            out[x / 8] = static_cast<std::uint8_t>(byte);
        }
    }
    return packed;
}

} // namespace device
