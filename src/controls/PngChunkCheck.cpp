#include "controls/PngChunkCheck.h"

#include <cstdint>

namespace MarkupUI {

namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kSignatureSize = 8;
// Length and type before the chunk's data, its checksum after.
constexpr qsizetype kChunkOverhead = 12;

uint32_t BigEndian32(QByteArrayView data, qsizetype at)
{
    return uint32_t(uint8_t(data[at])) << 24 | uint32_t(uint8_t(data[at + 1])) << 16 |
           uint32_t(uint8_t(data[at + 2])) << 8 | uint32_t(uint8_t(data[at + 3]));
}

} // namespace

bool HasPngChunkPastTheEnd(QByteArrayView png)
{
    if (!png.startsWith(QByteArrayView(kSignature, kSignatureSize))) {
        return false;
    }
    qsizetype at = kSignatureSize;
    while (at + kChunkOverhead <= png.size()) {
        // The decoder stops at the end chunk without reading its length.
        if (png.sliced(at + 4, 4) == "IEND") {
            return false;
        }
        const qint64 length = BigEndian32(png, at);
        if (length > png.size() - at - kChunkOverhead) {
            return true;
        }
        at += kChunkOverhead + length;
    }
    // A file cut inside a chunk header is refused by the decoder itself
    // before it allocates anything.
    return false;
}

} // namespace MarkupUI
