#pragma once

#include <cstddef>
#include <cstdint>

namespace device {

// Every frame starts with this mark; the printer resynchronises on nothing else.
inline constexpr std::uint8_t DEV_FRAME_MARK = 0x7E;

// The only command codes ever written to the printer.
inline constexpr std::uint8_t DEV_CMD_PAGE = 0x01;
inline constexpr std::uint8_t DEV_CMD_TIME_FIELD = 0x02;
inline constexpr std::uint8_t DEV_CMD_PAGE_IMAGE = 0x03;
inline constexpr std::uint8_t DEV_CMD_GLYPH_SET = 0x04;
inline constexpr std::uint8_t DEV_CMD_GLYPH = 0x14;
inline constexpr std::uint8_t DEV_CMD_GLYPH_SET_END = 0x84; // DEV_CMD_GLYPH_SET with the top bit set
inline constexpr std::uint8_t DEV_CMD_PRINT_IMAGE = 0xFD;
inline constexpr std::uint8_t DEV_CMD_SET_CLOCK = 0xFE;
inline constexpr std::uint8_t DEV_CMD_END = 0xFF;

inline constexpr std::size_t kFrameHeaderSize = 4;
inline constexpr std::size_t kPageRecordSize = 84;
inline constexpr std::size_t kNumberSlotSize = 20;
inline constexpr std::size_t kTimeFieldRecordSize = 18;
inline constexpr std::size_t kGlyphRecordSize = 8;
inline constexpr std::size_t kImageHeaderSize = 8;
inline constexpr std::size_t kClockValueSize = 4;

// Image bits travel in write units of this size; the last one holds the remainder.
inline constexpr std::size_t kImageChunkSize = 512;

// Time fields are indexed by one byte of the frame and counted in one byte of the page record.
inline constexpr std::size_t kMaxTimeFields = 128;
inline constexpr std::size_t kMaxTimeFormatIndex = 10;
// Glyph sets are indexed and counted in one byte too; 255 keeps the count exact.
inline constexpr std::size_t kMaxGlyphSets = 255;

// The renderer shrinks every glyph to at most this many dots.
inline constexpr std::size_t kMaxGlyphDots = 4096;

// True for the codes above; anything else is never sent.
bool IsKnownCommand(std::uint8_t code);

// Upper-case symbolic name of a code ("DEV_CMD_PAGE"), or "unknown".
const char* CommandName(std::uint8_t code);

} // namespace device
