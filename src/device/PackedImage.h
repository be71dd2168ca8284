#pragma once

#include <cstdint>
#include <vector>

namespace device {

// ceil(width / 8) * height: the bytes of a 1-bit bitmap whose rows start on a byte.
// 64-bit so that no width and height of int can overflow it.
constexpr std::uint64_t BitmapRowBytes(std::uint64_t width)
{
    return (width + 7) / 8;
}

constexpr std::uint64_t BitmapByteCount(std::uint64_t width, std::uint64_t height)
{
    return BitmapRowBytes(width) * height;
}

// Widths and heights travel as 16-bit values.
inline constexpr int kMaxImageDimension = 65535;

// A monochrome bitmap as the printer takes it: rows top to bottom, the most
// significant bit is the leftmost dot, a set bit is ink, unused low bits of a
// row's last byte are 0.
struct PackedImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    // An all-paper image of the given size; sizes outside 0..65535 give an empty image.
    static PackedImage Blank(int width, int height);

    // True when the size fits the image header and bits hold exactly its byte count.
    bool IsConsistent() const;
    bool IsEmpty() const { return width == 0 || height == 0; }

    // Coordinates outside the image read as paper and are not written.
    bool Dot(int x, int y) const;
    void SetDot(int x, int y, bool ink);

    bool operator==(const PackedImage&) const = default;
};

} // namespace device
