#include "device/BufferList.h"

#include <utility>

namespace device {

std::size_t BufferList::Append(ByteBuffer buffer)
{
    m_buffers.push_back(std::move(buffer));
    return m_buffers.size() - 1;
}

std::size_t BufferList::Append(std::span<const std::uint8_t> bytes)
{
    return Append(ByteBuffer(bytes));
}

std::uint64_t BufferList::TotalBytes() const
{
    std::uint64_t total = 0;
    for (const ByteBuffer& buffer : m_buffers) {
        total += buffer.size();
    }
    return total;
}

std::vector<std::uint8_t> BufferList::Concatenate() const
{
    std::vector<std::uint8_t> stream;
    stream.reserve(static_cast<std::size_t>(TotalBytes()));
    for (const ByteBuffer& buffer : m_buffers) {
        const auto bytes = buffer.bytes();
        stream.insert(stream.end(), bytes.begin(), bytes.end());
    }
    return stream;
}

std::vector<std::uint32_t> BufferList::BufferSizes() const
{
    std::vector<std::uint32_t> sizes;
    sizes.reserve(m_buffers.size());
    for (const ByteBuffer& buffer : m_buffers) {
        sizes.push_back(buffer.size());
    }
    return sizes;
}

} // namespace device
