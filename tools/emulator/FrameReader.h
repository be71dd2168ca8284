#pragma once

#include "emulator/DecodeError.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace emulator {

struct FrameHeader
{
    std::uint64_t offset = 0; // of the mark byte
    std::uint8_t code = 0;
    std::uint8_t paramA = 0;
    std::uint8_t paramB = 0;
};

// Walks a byte stream frame by frame. Every read checks the remaining length
// first, so no input can make it read past the end; the first failure is kept
// and every later read fails too.
class FrameReader
{
public:
    explicit FrameReader(std::span<const std::uint8_t> stream) : m_stream(stream) {}

    std::uint64_t offset() const { return m_pos; }
    std::size_t remaining() const { return m_stream.size() - m_pos; }
    bool AtEnd() const { return m_pos == m_stream.size(); }
    const std::optional<DecodeError>& error() const { return m_error; }

    // Records the failure (the first one wins) and returns false.
    bool Fail(std::uint64_t offset, std::string reason);

    // Reads a frame header and checks its mark and command code. inside names
    // the open transaction, for the message when the stream stops before its end frame.
    bool ReadHeader(FrameHeader& out, const char* inside);

    // Takes count bytes, failing as a truncated `what` when fewer are left.
    bool Take(std::size_t count, const char* what, std::span<const std::uint8_t>& out);

    // Fails unless the header carries these parameters.
    bool ExpectParams(const FrameHeader& header, std::uint8_t paramA, std::uint8_t paramB);

    // True when the next four bytes are the end frame [7E FF 00 00].
    bool NextIsEndFrame() const;

private:
    std::span<const std::uint8_t> m_stream;
    std::size_t m_pos = 0;
    std::optional<DecodeError> m_error;
};

// "0x7E": how bytes appear in messages.
std::string HexByte(std::uint8_t value);
// "DEV_CMD_GLYPH (0x14)"
std::string DescribeCommand(std::uint8_t code);

} // namespace emulator
