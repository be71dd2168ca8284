#include "device/link/TransferSequencer.h"

#include "platform/Logger.h"

#include <boost/log/utility/manipulators/dump.hpp>

namespace device {

TransferSequencer::TransferSequencer(TransferPort& port, ProgressCallback onProgress)
    : m_port(port), m_onProgress(std::move(onProgress))
{
}

bool TransferSequencer::StartTransfer(BufferList list)
{
    if (list.empty() || !m_port.IsOpen()) {
        return false;
    }
    auto transfer = std::make_shared<Transfer>();
    transfer->bufs = std::move(list);

    std::lock_guard lock(m_mutex);
    transfer->id = ++m_lastId;
    // The replaced transfer lives on in its pending handlers until they have
    // run; from here on they see that they are no longer current.
    m_current = transfer;
    // Counted as running from the reset on, so no second command slips in.
    m_bufIndex = 0;
    m_port.Cancel();
    m_port.AsyncSoftReset(boost::asio::buffer(kResetInput, kResetInputSize),
                          boost::asio::buffer(transfer->statusBuf),
                          [this, transfer](const boost::system::error_code& ec, std::size_t) {
                              OnResetComplete(transfer, ec);
                          });
    return true;
}

void TransferSequencer::OnResetComplete(const TransferPtr& transfer, const boost::system::error_code& ec)
{
    std::lock_guard lock(m_mutex);
    if (!IsCurrent(*transfer)) {
        return;
    }
    if (ec) {
        TICKET_LOG(platform::Error) << "Soft reset of the printer failed: " << ec.message();
        Finish(*transfer, -1);
        return;
    }
    SendBuffer(transfer, 0, 0);
}

void TransferSequencer::SendBuffer(const TransferPtr& transfer, std::size_t i, std::size_t offset)
{
    const std::size_t n = transfer->bufs.size();
    if (i >= n) {
        Finish(*transfer, static_cast<int>(n));
        return;
    }
    m_bufIndex = static_cast<int>(i);
    const ByteBuffer& buffer = transfer->bufs[i];
    m_port.AsyncWrite(boost::asio::buffer(buffer.data() + offset, buffer.size() - offset),
                      [this, transfer, i, offset](const boost::system::error_code& ec, std::size_t bytes) {
                          OnSendComplete(transfer, i, offset, ec, bytes);
                      });
}

void TransferSequencer::OnSendComplete(const TransferPtr& transfer, std::size_t i, std::size_t offset,
                                       const boost::system::error_code& ec, std::size_t bytes)
{
    std::lock_guard lock(m_mutex);
    if (!IsCurrent(*transfer)) {
        return;
    }
    const ByteBuffer& buffer = transfer->bufs[i];
    const std::size_t remaining = buffer.size() - offset;
    if (ec || (bytes == 0 && remaining > 0) || bytes > remaining) {
        // Includes operation-aborted after an unplug or a close.
        TICKET_LOG(platform::Error) << "Failed to write buffer " << i << " of " << transfer->bufs.size()
                                    << ": " << (ec ? ec.message() : "the printer took no data");
        Finish(*transfer, -1);
        return;
    }
    if (bytes < remaining) {
        // The printer took part of the buffer; the rest must follow before
        // the next buffer, or the frames would be cut.
        SendBuffer(transfer, i, offset + bytes);
        return;
    }
    TICKET_LOG(platform::Debug) << "Send data: " << boost::log::dump(buffer.data(), buffer.size());
    if (m_onProgress) {
        m_onProgress(static_cast<int>(i), Count(*transfer));
    }
    SendBuffer(transfer, i + 1, 0);
}

void TransferSequencer::Finish(const Transfer& transfer, int step)
{
    m_bufIndex = -1;
    if (m_onProgress) {
        m_onProgress(step, Count(transfer));
    }
}

} // namespace device
