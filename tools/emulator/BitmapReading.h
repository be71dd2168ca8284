#pragma once

#include "device/PackedImage.h"
#include "emulator/FrameReader.h"

#include <cstdint>

namespace emulator {

// Takes the bits of a width x height bitmap from the reader into image. Fails
// on a truncated stream or on ink in a row's unused low bits, which a sound
// packer never sets. what names the bitmap in messages.
bool ReadBitmapBits(FrameReader& reader, std::uint16_t width, std::uint16_t height, const char* what,
                    device::PackedImage& image);

// The body after a DEV_CMD_PAGE_IMAGE or DEV_CMD_PRINT_IMAGE header: the image
// header and its bits, or nothing when the end frame follows at once (an image
// without dots).
bool ReadImageBody(FrameReader& reader, device::PackedImage& image);

} // namespace emulator
