#pragma once

#include <cstdint>
#include <span>

namespace device {

// The printer reads every multi-byte integer little-endian, whatever the host's order.

inline void PutU16(std::span<std::uint8_t> out, std::size_t at, std::uint16_t value)
{
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutU32(std::span<std::uint8_t> out, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i) {
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

inline void PutI32(std::span<std::uint8_t> out, std::size_t at, std::int32_t value)
{
    PutU32(out, at, static_cast<std::uint32_t>(value));
}

inline std::uint16_t GetU16(std::span<const std::uint8_t> in, std::size_t at)
{
    return static_cast<std::uint16_t>(in[at] | (in[at + 1] << 8));
}

inline std::uint32_t GetU32(std::span<const std::uint8_t> in, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(in[at + i]) << (8 * i);
    }
    return value;
}

inline std::int32_t GetI32(std::span<const std::uint8_t> in, std::size_t at)
{
    return static_cast<std::int32_t>(GetU32(in, at)); // modular since C++20
}

} // namespace device
