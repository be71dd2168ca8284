#pragma once

#include <cstdint>
#include <string>

namespace emulator {

// Why a stream was refused and where: the offset of the first byte found wrong.
struct DecodeError
{
    std::uint64_t offset = 0;
    std::string reason;

    // "offset 12: bad frame mark 0x41, expected 0x7E"
    std::string ToString() const { return "offset " + std::to_string(offset) + ": " + reason; }
};

} // namespace emulator
