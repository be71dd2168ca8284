#pragma once

#include "device/FrameCodes.h"

#include <array>
#include <cstdint>
#include <span>

namespace device {

// Rectangle in printer dots from the top-left corner of the printable area.
struct DeviceRect
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const DeviceRect&) const = default;
};

// Where the printer draws one number field; all zero when the template has none.
struct NumberSlot
{
    DeviceRect rect;
    std::uint8_t glyphSetIndex = 0;
    std::uint8_t present = 0;
    std::uint8_t digitCount = 0;

    bool operator==(const NumberSlot&) const = default;
};

struct PageRecord
{
    std::uint8_t timeFieldCount = 0;
    std::uint8_t glyphSetCount = 0;
    std::uint8_t printCount = 0;
    std::uint8_t numberReset = 0;
    std::uint16_t endingNumber = 0;
    std::uint16_t startingNumber = 0;
    std::int32_t marginLeft = 0; // whole millimetres
    std::int32_t marginTop = 0;
    std::int32_t marginRight = 0;
    std::int32_t marginBottom = 0;
    NumberSlot ticketNumber;
    NumberSlot waitingCount;
    NumberSlot nowServing;

    bool operator==(const PageRecord&) const = default;
};

// Offsets inside the page record that the printer and the decoder rely on.
inline constexpr std::size_t kTicketNumberSlotOffset = 24;
inline constexpr std::size_t kWaitingCountSlotOffset = 44;
inline constexpr std::size_t kNowServingSlotOffset = 64;

struct TimeFieldRecord
{
    DeviceRect rect;
    std::uint8_t glyphSetIndex = 0;
    std::uint8_t timeFormat = 0; // index into the time format list, 0 to 10

    bool operator==(const TimeFieldRecord&) const = default;
};

struct GlyphRecord
{
    std::uint8_t position = 0;   // in its glyph set, from 0
    std::uint8_t code = 0;       // low byte of the (ASCII) character
    std::uint16_t width = 0;     // dots
    std::uint16_t height = 0;    // dots
    std::uint16_t byteCount = 0; // ceil(width / 8) * height

    bool operator==(const GlyphRecord&) const = default;
};

struct ImageHeader
{
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint32_t byteCount = 0; // ceil(width / 8) * height

    bool operator==(const ImageHeader&) const = default;
};

// Field by field, so that neither padding nor the host's byte order reaches the printer.
std::array<std::uint8_t, kPageRecordSize> Serialise(const PageRecord& record);
std::array<std::uint8_t, kNumberSlotSize> Serialise(const NumberSlot& slot);
std::array<std::uint8_t, kTimeFieldRecordSize> Serialise(const TimeFieldRecord& record);
std::array<std::uint8_t, kGlyphRecordSize> Serialise(const GlyphRecord& record);
std::array<std::uint8_t, kImageHeaderSize> Serialise(const ImageHeader& header);

// The reverse, for whoever reads a stream back. Bytes that carry no field are ignored here.
PageRecord ParsePageRecord(std::span<const std::uint8_t, kPageRecordSize> bytes);
NumberSlot ParseNumberSlot(std::span<const std::uint8_t, kNumberSlotSize> bytes);
TimeFieldRecord ParseTimeFieldRecord(std::span<const std::uint8_t, kTimeFieldRecordSize> bytes);
GlyphRecord ParseGlyphRecord(std::span<const std::uint8_t, kGlyphRecordSize> bytes);
ImageHeader ParseImageHeader(std::span<const std::uint8_t, kImageHeaderSize> bytes);

} // namespace device
