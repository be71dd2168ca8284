#pragma once

#include <cstdint>
#include <memory>
#include <span>

namespace device {

// One device write unit: only the first size() bytes reach the printer, the
// capacity is an allocation detail. Move-only because it owns its bytes.
class ByteBuffer
{
public:
    ByteBuffer() = default;
    // Zero-filled buffer of size bytes (capacity at least size).
    explicit ByteBuffer(std::uint32_t size, std::uint32_t capacity = 0);
    // Copy of bytes; the size must fit 32 bits (a device write never comes close).
    explicit ByteBuffer(std::span<const std::uint8_t> bytes);

    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;
    ~ByteBuffer() = default;

    std::uint32_t capacity() const { return m_capacity; }
    std::uint32_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    std::uint8_t* data() { return m_bytes.get(); }
    const std::uint8_t* data() const { return m_bytes.get(); }
    std::span<std::uint8_t> bytes() { return {m_bytes.get(), m_size}; }
    std::span<const std::uint8_t> bytes() const { return {m_bytes.get(), m_size}; }

private:
    std::uint32_t m_capacity = 0;
    std::uint32_t m_size = 0;
    std::unique_ptr<std::uint8_t[]> m_bytes;
};

} // namespace device
