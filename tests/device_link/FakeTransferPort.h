#pragma once

#include "device/link/TransferPort.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/post.hpp>

#include <string>
#include <vector>

namespace device_test {

// An in-process port for fault injection. Completions are posted to the
// context like the real port's; a stalled write waits until Cancel(). What a
// write delivered is copied when it completes, so a buffer freed too early
// shows up as wrong bytes.
class FakeTransferPort final : public device::TransferPort
{
public:
    explicit FakeTransferPort(boost::asio::io_context& context) : m_context(context) {}

    bool open = true;
    int failWriteNumber = 0; // the n-th write call (1-based) fails with EIO
    bool failReset = false;
    bool stallWrites = false; // writes stay pending until Cancel()
    std::size_t maxChunk = 0; // a write takes at most this many bytes (0: all)
    bool takeNothing = false; // writes succeed with 0 bytes

    int resets = 0;
    int writeCalls = 0;
    std::string resetInput;
    std::string delivered;                    // every byte the printer took, in order
    std::vector<std::string> writes;          // per completed write call
    std::vector<std::string> abortedContents; // buffers of cancelled writes, read as they end

    bool IsOpen() const override { return open; }

    void Cancel() override
    {
        for (auto& pending : m_stalled) {
            boost::asio::post(m_context, [this, data = pending.data, handler = std::move(pending.handler)] {
                // Still the caller's memory until this handler has run.
                abortedContents.emplace_back(static_cast<const char*>(data.data()), data.size());
                handler(boost::asio::error::operation_aborted, 0);
            });
        }
        m_stalled.clear();
    }

    void AsyncWrite(boost::asio::const_buffer data, Handler handler) override
    {
        const int number = ++writeCalls;
        if (stallWrites) {
            m_stalled.push_back({data, std::move(handler)});
            return;
        }
        boost::asio::post(m_context, [this, data, number, handler = std::move(handler)] {
            if (number == failWriteNumber) {
                return handler(boost::system::error_code(EIO, boost::system::system_category()), 0);
            }
            std::size_t taken = takeNothing ? 0 : data.size();
            if (maxChunk != 0 && taken > maxChunk) {
                taken = maxChunk;
            }
            const std::string bytes(static_cast<const char*>(data.data()), taken);
            delivered += bytes;
            writes.push_back(bytes);
            handler({}, taken);
        });
    }

    void AsyncSoftReset(boost::asio::const_buffer input, boost::asio::mutable_buffer,
                        Handler handler) override
    {
        ++resets;
        resetInput.assign(static_cast<const char*>(input.data()), input.size());
        boost::asio::post(m_context, [this, handler = std::move(handler)] {
            handler(failReset ? boost::system::error_code(EIO, boost::system::system_category())
                              : boost::system::error_code(),
                    0);
        });
    }

private:
    struct Stalled
    {
        boost::asio::const_buffer data;
        Handler handler;
    };

    boost::asio::io_context& m_context;
    std::vector<Stalled> m_stalled;
};

} // namespace device_test
