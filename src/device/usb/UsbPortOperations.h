#pragma once

#include "device/usb/PrinterControlCodes.h"

#include <boost/asio/any_io_executor.hpp>
#include <boost/asio/bind_executor.hpp>
#include <boost/asio/buffer.hpp>
#include <boost/asio/error.hpp>
#include <boost/asio/posix/stream_descriptor.hpp>
#include <boost/asio/post.hpp>
#include <boost/system/error_code.hpp>

#include <cerrno>
#include <cstdint>
#include <memory>
#include <mutex>

#include <unistd.h>

namespace device::usb_port_detail {

// The implementation record of one port. The record outlives its port while
// an operation still refers to it, so a handler never sees a dangling record.
struct port_record
{
    explicit port_record(const boost::asio::any_io_executor& executor) : descriptor(executor) {}

    std::mutex mutex; // guards every member below
    boost::asio::posix::stream_descriptor descriptor;
    // Bumped by close and cancel, so control requests still queued behind
    // them end with operation-aborted instead of reaching the device.
    std::uint64_t abort_epoch = 0;
    // A control request blocks in the driver on the node; closing meanwhile
    // would let the number be reused under it, so the close is deferred.
    int requests_running = 0;
    int deferred_close = -1;
};

boost::system::error_code last_system_error();

// Runs one printer-class request on the I/O thread. Returns the bytes placed
// in output (1 for the port status, 0 for the reset).
std::size_t run_control_request(port_record& port, std::uint64_t epoch, usb_control_code code,
                                boost::asio::mutable_buffer output, boost::system::error_code& ec);

// One write of the whole buffer. The driver returns as soon as the transfer
// is queued, so the write only counts as completed once the node reports
// writable again: that keeps one buffer on the wire at a time.
struct write_op
{
    enum class step
    {
        start,
        retry,
        drain,
        done
    };

    std::shared_ptr<port_record> port;
    boost::asio::const_buffer buffer;
    step next = step::start;
    boost::system::error_code result{};
    std::size_t transferred = 0;

    template <typename Self> void operator()(Self& self, boost::system::error_code ec = {})
    {
        switch (next) {
        case step::start:
            return try_write(self, boost::asio::error::bad_descriptor);
        case step::retry:
            if (ec) {
                return finish_later(self, ec);
            }
            return try_write(self, boost::asio::error::operation_aborted);
        case step::drain:
            return self.complete(ec, transferred);
        case step::done:
            return self.complete(result, transferred);
        }
    }

private:
    template <typename Self> void try_write(Self& self, boost::system::error_code when_closed)
    {
        std::unique_lock lock(port->mutex);
        if (!port->descriptor.is_open()) {
            return finish_later(self, when_closed);
        }
        if (buffer.size() == 0) {
            return finish_later(self, {});
        }
        for (;;) {
            const ssize_t n = ::write(port->descriptor.native_handle(), buffer.data(), buffer.size());
            if (n >= 0) {
                transferred = static_cast<std::size_t>(n);
                next = step::drain;
                port->descriptor.async_wait(boost::asio::posix::stream_descriptor::wait_write,
                                            std::move(self));
                return;
            }
            if (errno == EINTR) {
                continue;
            }
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                next = step::retry;
                port->descriptor.async_wait(boost::asio::posix::stream_descriptor::wait_write,
                                            std::move(self));
                return;
            }
            return finish_later(self, last_system_error());
        }
    }

    template <typename Self> void finish_later(Self& self, boost::system::error_code ec)
    {
        result = ec;
        next = step::done;
        auto executor = port->descriptor.get_executor();
        boost::asio::post(executor, std::move(self));
    }
};

// One control request. The driver may block for seconds, so the request is
// carried out on the port's executor (the I/O thread), never by the caller.
struct control_op
{
    enum class step
    {
        start,
        run,
        done
    };

    std::shared_ptr<port_record> port;
    usb_control_code code;
    boost::asio::const_buffer input;
    boost::asio::mutable_buffer output;
    step next = step::start;
    boost::system::error_code result{};
    std::size_t transferred = 0;
    std::uint64_t epoch = 0;

    template <typename Self> void operator()(Self& self)
    {
        auto executor = port->descriptor.get_executor();
        switch (next) {
        case step::start: {
            std::unique_lock lock(port->mutex);
            if (!port->descriptor.is_open()) {
                result = boost::asio::error::bad_descriptor;
            } else if (input.size() == 0 && output.size() == 0) {
                result = {};
            } else if (code != usb_control_code::IOCTL_USBPRINT_SOFT_RESET &&
                       code != usb_control_code::IOCTL_USBPRINT_GET_LPT_STATUS) {
                result = boost::asio::error::operation_not_supported;
            } else {
                epoch = port->abort_epoch;
                next = step::run;
                lock.unlock();
                boost::asio::post(boost::asio::bind_executor(executor, std::move(self)));
                return;
            }
            next = step::done;
            lock.unlock();
            boost::asio::post(executor, std::move(self));
            return;
        }
        case step::run:
            transferred = run_control_request(*port, epoch, code, output, result);
            next = step::done;
            boost::asio::post(executor, std::move(self));
            return;
        case step::done:
            return self.complete(result, transferred);
        }
    }
};

} // namespace device::usb_port_detail
