#include "device/FrameRecords.h"

#include "device/LittleEndian.h"

#include <algorithm>

namespace device {

namespace {

void PutRect(std::span<std::uint8_t> out, std::size_t at, const DeviceRect& rect)
{
    PutI32(out, at, rect.left);
    PutI32(out, at + 4, rect.top);
    PutI32(out, at + 8, rect.right);
    PutI32(out, at + 12, rect.bottom);
}

DeviceRect GetRect(std::span<const std::uint8_t> in, std::size_t at)
{
    return {GetI32(in, at), GetI32(in, at + 4), GetI32(in, at + 8), GetI32(in, at + 12)};
}

void PutSlot(std::span<std::uint8_t> out, std::size_t at, const NumberSlot& slot)
{
    const auto bytes = Serialise(slot);
    std::copy(bytes.begin(), bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
}

NumberSlot GetSlot(std::span<const std::uint8_t> in, std::size_t at)
{
    return ParseNumberSlot(in.subspan(at).first<kNumberSlotSize>());
}

} // namespace

std::array<std::uint8_t, kNumberSlotSize> Serialise(const NumberSlot& slot)
{
    std::array<std::uint8_t, kNumberSlotSize> out{};
    PutRect(out, 0, slot.rect);
    out[16] = slot.glyphSetIndex;
    out[17] = slot.present;
    out[18] = slot.digitCount;
    return out;
}

std::array<std::uint8_t, kPageRecordSize> Serialise(const PageRecord& record)
{
    std::array<std::uint8_t, kPageRecordSize> out{};
    out[0] = record.timeFieldCount;
    out[1] = record.glyphSetCount;
    out[2] = record.printCount;
    out[3] = record.numberReset;
    PutU16(out, 4, record.endingNumber);
    PutU16(out, 6, record.startingNumber);
    PutI32(out, 8, record.marginLeft);
    PutI32(out, 12, record.marginTop);
    PutI32(out, 16, record.marginRight);
    PutI32(out, 20, record.marginBottom);
    PutSlot(out, kTicketNumberSlotOffset, record.ticketNumber);
    PutSlot(out, kWaitingCountSlotOffset, record.waitingCount);
    PutSlot(out, kNowServingSlotOffset, record.nowServing);
    return out;
}

std::array<std::uint8_t, kTimeFieldRecordSize> Serialise(const TimeFieldRecord& record)
{
    std::array<std::uint8_t, kTimeFieldRecordSize> out{};
    PutRect(out, 0, record.rect);
    out[16] = record.glyphSetIndex;
    out[17] = record.timeFormat;
    return out;
}

std::array<std::uint8_t, kGlyphRecordSize> Serialise(const GlyphRecord& record)
{
    std::array<std::uint8_t, kGlyphRecordSize> out{};
    out[0] = record.position;
    out[1] = record.code;
    PutU16(out, 2, record.width);
    PutU16(out, 4, record.height);
    PutU16(out, 6, record.byteCount);
    return out;
}

std::array<std::uint8_t, kImageHeaderSize> Serialise(const ImageHeader& header)
{
    std::array<std::uint8_t, kImageHeaderSize> out{};
    PutU16(out, 0, header.width);
    PutU16(out, 2, header.height);
    PutU32(out, 4, header.byteCount);
    return out;
}

NumberSlot ParseNumberSlot(std::span<const std::uint8_t, kNumberSlotSize> bytes)
{
    NumberSlot slot;
    slot.rect = GetRect(bytes, 0);
    slot.glyphSetIndex = bytes[16];
    slot.present = bytes[17];
    slot.digitCount = bytes[18];
    return slot;
}

PageRecord ParsePageRecord(std::span<const std::uint8_t, kPageRecordSize> bytes)
{
    PageRecord record;
    record.timeFieldCount = bytes[0];
    record.glyphSetCount = bytes[1];
    record.printCount = bytes[2];
    record.numberReset = bytes[3];
    record.endingNumber = GetU16(bytes, 4);
    record.startingNumber = GetU16(bytes, 6);
    record.marginLeft = GetI32(bytes, 8);
    record.marginTop = GetI32(bytes, 12);
    record.marginRight = GetI32(bytes, 16);
    record.marginBottom = GetI32(bytes, 20);
    record.ticketNumber = GetSlot(bytes, kTicketNumberSlotOffset);
    record.waitingCount = GetSlot(bytes, kWaitingCountSlotOffset);
    record.nowServing = GetSlot(bytes, kNowServingSlotOffset);
    return record;
}

TimeFieldRecord ParseTimeFieldRecord(std::span<const std::uint8_t, kTimeFieldRecordSize> bytes)
{
    TimeFieldRecord record;
    record.rect = GetRect(bytes, 0);
    record.glyphSetIndex = bytes[16];
    record.timeFormat = bytes[17];
    return record;
}

GlyphRecord ParseGlyphRecord(std::span<const std::uint8_t, kGlyphRecordSize> bytes)
{
    GlyphRecord record;
    record.position = bytes[0];
    record.code = bytes[1];
    record.width = GetU16(bytes, 2);
    record.height = GetU16(bytes, 4);
    record.byteCount = GetU16(bytes, 6);
    return record;
}

ImageHeader ParseImageHeader(std::span<const std::uint8_t, kImageHeaderSize> bytes)
{
    ImageHeader header;
    header.width = GetU16(bytes, 0);
    header.height = GetU16(bytes, 2);
    header.byteCount = GetU32(bytes, 4);
    return header;
}

} // namespace device
