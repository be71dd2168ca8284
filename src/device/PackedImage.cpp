#include "device/PackedImage.h"

namespace device {

namespace {

bool FitsHeader(int width, int height)
{
    return width >= 0 && height >= 0 && width <= kMaxImageDimension && height <= kMaxImageDimension;
}

} // namespace

PackedImage PackedImage::Blank(int width, int height)
{
    PackedImage image;
    if (FitsHeader(width, height)) {
        image.width = width;
        image.height = height;
        image.bits.assign(static_cast<std::size_t>(BitmapByteCount(width, height)), 0);
    }
    return image;
}

bool PackedImage::IsConsistent() const
{
    return FitsHeader(width, height) && bits.size() == BitmapByteCount(width, height);
}

bool PackedImage::Dot(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height || !IsConsistent()) {
        return false;
    }
    const auto index = static_cast<std::size_t>(BitmapRowBytes(width) * y + x / 8);
    return (bits[index] >> (7 - x % 8)) & 1;
}

void PackedImage::SetDot(int x, int y, bool ink)
{
    if (x < 0 || y < 0 || x >= width || y >= height || !IsConsistent()) {
        return;
    }
    const auto index = static_cast<std::size_t>(BitmapRowBytes(width) * y + x / 8);
    const auto mask = static_cast<std::uint8_t>(0x80u >> (x % 8));
    bits[index] =
        ink ? static_cast<std::uint8_t>(bits[index] | mask) : static_cast<std::uint8_t>(bits[index] & ~mask);
}

} // namespace device
