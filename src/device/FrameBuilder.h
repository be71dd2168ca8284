#pragma once

#include "device/BufferList.h"
#include "device/FrameRecords.h"
#include "device/PackedImage.h"

#include <cstdint>

namespace device {

// Builders append whole buffers only: each frame header, each record and
// each 512-byte slice of image bits is one device write of its own.

// One 4-byte buffer [7E code A B]. Returns its index in the list.
std::size_t AppendHeader(BufferList& list, std::uint8_t code, std::uint8_t paramA, std::uint8_t paramB);

// One buffer of the record's exact length. Returns its index in the list.
std::size_t AppendRecord(BufferList& list, const PageRecord& record);
std::size_t AppendRecord(BufferList& list, const TimeFieldRecord& record);
std::size_t AppendRecord(BufferList& list, const GlyphRecord& record);
std::size_t AppendRecord(BufferList& list, const ImageHeader& header);

// Header for DEV_CMD_PAGE_IMAGE or DEV_CMD_PRINT_IMAGE, then the image header
// and the bits in 512-byte buffers. An image without dots sends the header
// alone. Appends nothing and returns false for another code or an image whose
// size does not fit the image header or whose bits disagree with its size.
bool AppendImageFrames(BufferList& list, std::uint8_t code, const PackedImage& image);

// The print-image transaction: the image frames and the end frame. Returns
// false, leaving out untouched, when the image is refused as above.
bool BuildPrintImageTransaction(const PackedImage& image, BufferList& out);

} // namespace device
