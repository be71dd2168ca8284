#include "emulator/StreamFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace emulator {

bool ReadStreamFile(const std::string& path, std::vector<std::uint8_t>& out, std::string& error,
                    std::uint64_t maxBytes)
{
    out.clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    // Grow in steps so that a device node or a pipe needs no size up front.
    constexpr std::size_t kChunk = 1 << 16;
    std::vector<std::uint8_t> bytes;
    for (;;) {
        const std::size_t old = bytes.size();
        bytes.resize(old + kChunk);
        const std::size_t got = std::fread(bytes.data() + old, 1, kChunk, file.get());
        bytes.resize(old + got);
        if (bytes.size() > maxBytes) {
            error = path + ": longer than " + std::to_string(maxBytes) + " bytes";
            return false;
        }
        if (got < kChunk) {
            if (std::ferror(file.get())) {
                error = path + ": read error";
                return false;
            }
            break;
        }
    }
    out = std::move(bytes);
    return true;
}

} // namespace emulator
