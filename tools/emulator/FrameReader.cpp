#include "emulator/FrameReader.h"

#include "device/FrameCodes.h"

#include <cstdio>

namespace emulator {

using namespace device;

std::string HexByte(std::uint8_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
    return text;
}

std::string DescribeCommand(std::uint8_t code)
{
    return std::string(CommandName(code)) + " (" + HexByte(code) + ")";
}

bool FrameReader::Fail(std::uint64_t offset, std::string reason)
{
    if (!m_error) {
        m_error = DecodeError{offset, std::move(reason)};
    }
    return false;
}

bool FrameReader::Take(std::size_t count, const char* what, std::span<const std::uint8_t>& out)
{
    if (m_error) {
        return false;
    }
    if (count > remaining()) {
        return Fail(m_pos, std::string("truncated ") + what + ": " + std::to_string(count) +
                               " bytes needed, " + std::to_string(remaining()) + " left");
    }
    out = m_stream.subspan(m_pos, count);
    m_pos += count;
    return true;
}

bool FrameReader::ReadHeader(FrameHeader& out, const char* inside)
{
    if (m_error) {
        return false;
    }
    if (AtEnd() && inside) {
        return Fail(m_pos, std::string("missing end frame: the stream ends inside a ") + inside);
    }
    const std::uint64_t start = m_pos;
    std::span<const std::uint8_t> bytes;
    if (!Take(kFrameHeaderSize, "frame header", bytes)) {
        return false;
    }
    if (bytes[0] != DEV_FRAME_MARK) {
        return Fail(start, "bad frame mark " + HexByte(bytes[0]) + ", expected " + HexByte(DEV_FRAME_MARK));
    }
    if (!IsKnownCommand(bytes[1])) {
        return Fail(start + 1, "unknown command " + HexByte(bytes[1]));
    }
    out = FrameHeader{start, bytes[1], bytes[2], bytes[3]};
    return true;
}

bool FrameReader::ExpectParams(const FrameHeader& header, std::uint8_t paramA, std::uint8_t paramB)
{
    if (header.paramA != paramA) {
        return Fail(header.offset + 2, "wrong parameter A of " + DescribeCommand(header.code) + ": " +
                                           HexByte(header.paramA) + ", expected " + HexByte(paramA));
    }
    if (header.paramB != paramB) {
        return Fail(header.offset + 3, "wrong parameter B of " + DescribeCommand(header.code) + ": " +
                                           HexByte(header.paramB) + ", expected " + HexByte(paramB));
    }
    return true;
}

bool FrameReader::NextIsEndFrame() const
{
    return remaining() >= kFrameHeaderSize && m_stream[m_pos] == DEV_FRAME_MARK &&
           m_stream[m_pos + 1] == DEV_CMD_END && m_stream[m_pos + 2] == 0 && m_stream[m_pos + 3] == 0;
}

} // namespace emulator
