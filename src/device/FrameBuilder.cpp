#include "device/FrameBuilder.h"

#include "device/FrameCodes.h"

#include <algorithm>
#include <array>

namespace device {

std::size_t AppendHeader(BufferList& list, std::uint8_t code, std::uint8_t paramA, std::uint8_t paramB)
{
    const std::array<std::uint8_t, kFrameHeaderSize> header{DEV_FRAME_MARK, code, paramA, paramB};
    return list.Append(header);
}

std::size_t AppendRecord(BufferList& list, const PageRecord& record)
{
    return list.Append(Serialise(record));
}

std::size_t AppendRecord(BufferList& list, const TimeFieldRecord& record)
{
    return list.Append(Serialise(record));
}

std::size_t AppendRecord(BufferList& list, const GlyphRecord& record)
{
    return list.Append(Serialise(record));
}

std::size_t AppendRecord(BufferList& list, const ImageHeader& header)
{
    return list.Append(Serialise(header));
}

bool AppendImageFrames(BufferList& list, std::uint8_t code, const PackedImage& image)
{
    if ((code != DEV_CMD_PAGE_IMAGE && code != DEV_CMD_PRINT_IMAGE) || !image.IsConsistent()) {
        return false;
    }
    AppendHeader(list, code, static_cast<std::uint8_t>(kImageHeaderSize), 0);
    if (image.IsEmpty()) {
        return true;
    }
    ImageHeader header;
    header.width = static_cast<std::uint16_t>(image.width);
    header.height = static_cast<std::uint16_t>(image.height);
    header.byteCount = static_cast<std::uint32_t>(image.bits.size()); // at most 8192 * 65535
    AppendRecord(list, header);

    const std::span<const std::uint8_t> bits(image.bits);
    for (std::size_t at = 0; at < bits.size(); at += kImageChunkSize) {
        list.Append(bits.subspan(at, std::min(kImageChunkSize, bits.size() - at)));
    }
    return true;
}

bool BuildPrintImageTransaction(const PackedImage& image, BufferList& out)
{
    BufferList list;
    if (!AppendImageFrames(list, DEV_CMD_PRINT_IMAGE, image)) {
        return false;
    }
    AppendHeader(list, DEV_CMD_END, 0, 0);
    out = std::move(list);
    return true;
}

} // namespace device
