#include "device/ByteBuffer.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace device {

ByteBuffer::ByteBuffer(std::uint32_t size, std::uint32_t capacity)
    : m_capacity(std::max(size, capacity)), m_size(size),
      m_bytes(m_capacity ? std::make_unique<std::uint8_t[]>(m_capacity) : nullptr)
{
}

ByteBuffer::ByteBuffer(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("ByteBuffer larger than 4 GiB");
    }
    m_capacity = m_size = static_cast<std::uint32_t>(bytes.size());
    if (m_size) {
        m_bytes = std::make_unique_for_overwrite<std::uint8_t[]>(m_size);
        std::copy(bytes.begin(), bytes.end(), m_bytes.get());
    }
}

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : m_capacity(std::exchange(other.m_capacity, 0)), m_size(std::exchange(other.m_size, 0)),
      m_bytes(std::move(other.m_bytes))
{
}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept
{
    if (this != &other) {
        m_capacity = std::exchange(other.m_capacity, 0);
        m_size = std::exchange(other.m_size, 0);
        m_bytes = std::move(other.m_bytes);
    }
    return *this;
}

} // namespace device
