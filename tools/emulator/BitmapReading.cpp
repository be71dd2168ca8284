#include "emulator/BitmapReading.h"

#include "device/FrameCodes.h"
#include "device/FrameRecords.h"

namespace emulator {

using namespace device;

bool ReadBitmapBits(FrameReader& reader, std::uint16_t width, std::uint16_t height, const char* what,
                    PackedImage& image)
{
    const std::uint64_t start = reader.offset();
    const auto count = static_cast<std::size_t>(BitmapByteCount(width, height));
    std::span<const std::uint8_t> bits;
    if (!reader.Take(count, what, bits)) {
        return false;
    }
    const auto rowBytes = static_cast<std::size_t>(BitmapRowBytes(width));
    const auto unusedMask = static_cast<std::uint8_t>(width % 8 ? 0xFFu >> (width % 8) : 0u);
    if (unusedMask) {
        for (std::size_t row = 0; row < height; ++row) {
            const std::size_t last = row * rowBytes + rowBytes - 1;
            if (bits[last] & unusedMask) {
                return reader.Fail(start + last, std::string(what) + ": ink beyond the width in row " +
                                                     std::to_string(row));
            }
        }
    }
    image.width = width;
    image.height = height;
    image.bits.assign(bits.begin(), bits.end());
    return true;
}

bool ReadImageBody(FrameReader& reader, PackedImage& image)
{
    // A real image header never has height 0, so [7E FF 00 00] here can only be the end frame.
    if (reader.NextIsEndFrame()) {
        image = PackedImage{};
        return true;
    }
    const std::uint64_t start = reader.offset();
    std::span<const std::uint8_t> bytes;
    if (!reader.Take(kImageHeaderSize, "image header", bytes)) {
        return false;
    }
    const ImageHeader header = ParseImageHeader(bytes.first<kImageHeaderSize>());
    if (header.width == 0 || header.height == 0) {
        return reader.Fail(start, "image header of " + std::to_string(header.width) + " x " +
                                      std::to_string(header.height) +
                                      " dots: an image without dots sends no header");
    }
    const std::uint64_t expected = BitmapByteCount(header.width, header.height);
    if (header.byteCount != expected) {
        return reader.Fail(start + 4, "image byte count " + std::to_string(header.byteCount) +
                                          " disagrees with " + std::to_string(header.width) + " x " +
                                          std::to_string(header.height) + " dots (expected " +
                                          std::to_string(expected) + ")");
    }
    return ReadBitmapBits(reader, header.width, header.height, "image bits", image);
}

} // namespace emulator
