#include "controls/ImageDecoder.h"

#include "controls/JpegHuffmanCheck.h"
#include "controls/PngChunkCheck.h"

// The one place stb_image's code is compiled. Images only come from memory,
// and dimensions beyond our own limit are refused by the decoder too. The
// text-header formats (PNM, HDR, Softimage PIC) are left out: no ticket
// carries them, and the PNM header reader overflows on long numbers.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_NO_PNM
#define STBI_NO_HDR
#define STBI_NO_PIC
#define STBI_MAX_DIMENSIONS 8192
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wshadow=local"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

#include <cstring>
#include <limits>
#include <memory>

namespace MarkupUI {

namespace {
void Explain(QString* whyNot, const QString& reason)
{
    if (whyNot != nullptr) {
        *whyNot = reason;
    }
}
} // namespace

std::optional<QImage> DecodeImage(const QByteArray& bytes, QString* whyNot, const ImageLimits& limits)
{
    if (bytes.isEmpty()) {
        Explain(whyNot, QStringLiteral("File is empty"));
        return std::nullopt;
    }
    if (bytes.size() > limits.maxEncodedBytes || bytes.size() > std::numeric_limits<int>::max()) {
        Explain(whyNot, QStringLiteral("File too large"));
        return std::nullopt;
    }
    if (HasOversizedJpegHuffmanTable(bytes)) {
        Explain(whyNot, QStringLiteral("Corrupt JPEG: bad Huffman table"));
        return std::nullopt;
    }
    if (HasPngChunkPastTheEnd(bytes)) {
        Explain(whyNot, QStringLiteral("Corrupt PNG: a chunk runs past the end of the file"));
        return std::nullopt;
    }
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.constData());
    const int length = static_cast<int>(bytes.size());
    int width = 0;
    int height = 0;
    int channels = 0;
    if (stbi_info_from_memory(data, length, &width, &height, &channels) == 0) {
        Explain(whyNot, QStringLiteral("Not an image the designer can read"));
        return std::nullopt;
    }
    if (width <= 0 || height <= 0 || width > limits.maxSide || height > limits.maxSide ||
        qint64(width) * height > limits.maxPixels) {
        Explain(whyNot, QStringLiteral("Image too large: %1 x %2").arg(width).arg(height));
        return std::nullopt;
    }
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(data, length, &width, &height, &channels, 4), stbi_image_free);
    if (!pixels) {
        Explain(whyNot,
                QStringLiteral("Could not decode image: %1").arg(QString::fromUtf8(stbi_failure_reason())));
        return std::nullopt;
    }
    QImage image(width, height, QImage::Format_RGBA8888);
    if (image.isNull()) {
        Explain(whyNot, QStringLiteral("Out of memory"));
        return std::nullopt;
    }
    const auto rowBytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        std::memcpy(image.scanLine(y), pixels.get() + rowBytes * static_cast<std::size_t>(y), rowBytes);
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace MarkupUI
