#pragma once

#include "device/BufferList.h"
#include "device/link/TransferPort.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace device {

// Sends one transaction to the printer: a soft reset of the printer
// interface, then the buffers one write at a time, in list order.
//
// Progress goes to the callback as (step, count): (0, n) ... (n - 1, n) as
// each buffer has gone, then (n, n); (-1, n) when the reset or a write
// failed. The callback runs on the I/O thread while the sequencer holds its
// lock, so the calls arrive in order; the owner queues them to its UI thread
// and must not call back into the sequencer from inside it.
//
// A new transfer may start while one runs (Print is always allowed): the old
// one is cancelled and ends silently. Its buffers stay alive until its last
// completion has run, and its late completions change nothing.
//
// Threads: StartTransfer on the UI thread; completions on the I/O thread.
// Stop the I/O context before destroying the sequencer.
class TransferSequencer
{
public:
    using ProgressCallback = std::function<void(int step, int count)>;

    // The input of every soft reset.
    static constexpr char kResetInput[] = "01234567989abcdef0123456789.";
    static constexpr std::size_t kResetInputSize = sizeof kResetInput - 1;

    TransferSequencer(TransferPort& port, ProgressCallback onProgress);

    TransferSequencer(const TransferSequencer&) = delete;
    TransferSequencer& operator=(const TransferSequencer&) = delete;

    // Takes the list over and starts sending it. False, with the list
    // dropped and nothing reported, when the port is closed or the list is
    // empty.
    bool StartTransfer(BufferList list);

    // The buffer being written, 0 while the reset runs, -1 with no transfer.
    int BufIndex() const { return m_bufIndex.load(); }
    bool IsTransferRunning() const { return BufIndex() >= 0; }

private:
    struct Transfer
    {
        std::uint64_t id = 0;
        BufferList bufs;
        std::array<std::uint8_t, 64> statusBuf{};
    };
    using TransferPtr = std::shared_ptr<Transfer>;

    bool IsCurrent(const Transfer& transfer) const { return m_current && m_current->id == transfer.id; }
    int Count(const Transfer& transfer) const { return static_cast<int>(transfer.bufs.size()); }

    void OnResetComplete(const TransferPtr& transfer, const boost::system::error_code& ec);
    // Writes buffer i from byte offset on, or ends the transfer after the last.
    void SendBuffer(const TransferPtr& transfer, std::size_t i, std::size_t offset);
    void OnSendComplete(const TransferPtr& transfer, std::size_t i, std::size_t offset,
                        const boost::system::error_code& ec, std::size_t bytes);
    void Finish(const Transfer& transfer, int step);

    TransferPort& m_port;
    ProgressCallback m_onProgress;
    mutable std::mutex m_mutex; // guards m_current and orders every port call
    TransferPtr m_current;
    std::uint64_t m_lastId = 0;
    std::atomic<int> m_bufIndex{-1};
};

} // namespace device
