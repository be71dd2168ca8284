#pragma once

#include "device/ByteBuffer.h"

#include <cstdint>
#include <span>
#include <vector>

namespace device {

// The buffers of exactly one transaction, in the order they are written.
// Owns the buffers; handed to the transfer sequencer by move.
class BufferList
{
public:
    BufferList() = default;
    BufferList(BufferList&&) noexcept = default;
    BufferList& operator=(BufferList&&) noexcept = default;
    BufferList(const BufferList&) = delete;
    BufferList& operator=(const BufferList&) = delete;
    ~BufferList() = default;

    // Returns the appended buffer's index: indices stay valid while the list grows.
    std::size_t Append(ByteBuffer buffer);
    std::size_t Append(std::span<const std::uint8_t> bytes);

    std::size_t size() const { return m_buffers.size(); }
    bool empty() const { return m_buffers.empty(); }
    void clear() { m_buffers.clear(); }
    void swap(BufferList& other) noexcept { m_buffers.swap(other.m_buffers); }

    ByteBuffer& operator[](std::size_t index) { return m_buffers[index]; }
    const ByteBuffer& operator[](std::size_t index) const { return m_buffers[index]; }
    auto begin() const { return m_buffers.begin(); }
    auto end() const { return m_buffers.end(); }

    // Sum of the buffers' sizes: what the printer receives.
    std::uint64_t TotalBytes() const;
    // The bytes as the printer receives them, one buffer after the other.
    std::vector<std::uint8_t> Concatenate() const;
    // Size of each buffer in list order (one device write each).
    std::vector<std::uint32_t> BufferSizes() const;

private:
    std::vector<ByteBuffer> m_buffers;
};

} // namespace device
