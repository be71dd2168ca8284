#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

// Enough for the largest image a header can describe (65535 x 65535 dots,
// 512 MiB of bits) plus its frames; anything longer is refused unread.
inline constexpr std::uint64_t kMaxStreamBytes = 640ull * 1024 * 1024;

// Reads a stream from a file or a device node (which has no size to ask for)
// into out, refusing more than maxBytes. On failure error says why.
bool ReadStreamFile(const std::string& path, std::vector<std::uint8_t>& out, std::string& error,
                    std::uint64_t maxBytes = kMaxStreamBytes);

} // namespace emulator
