#include "device/MonoPicture.h"

#include <algorithm>
#include <cstring>

namespace device {

QImage ToMonoPicture(const PackedImage& bitmap)
{
    if (!bitmap.IsConsistent()) {
        return {};
    }
    QImage image(std::max(bitmap.width, 0), std::max(bitmap.height, 0), QImage::Format_Mono);
    if (image.isNull()) {
        return image;
    }
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    const auto rowBytes = static_cast<std::size_t>(BitmapRowBytes(std::uint64_t(bitmap.width)));
    for (int y = 0; y < bitmap.height; ++y) {
        std::memcpy(image.scanLine(y), bitmap.bits.data() + std::size_t(y) * rowBytes, rowBytes);
    }
    return image;
}

} // namespace device
