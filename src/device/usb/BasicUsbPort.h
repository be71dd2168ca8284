#pragma once

#include "device/usb/UsbPortService.h"

#include <boost/asio/any_io_executor.hpp>
#include <boost/asio/execution/context.hpp>
#include <boost/asio/query.hpp>

#include <string>
#include <type_traits>
#include <utility>

namespace device {

// The printer's USB port: the printer-class device node (/dev/usb/lpN) driven
// asynchronously on the I/O context. The device is never read; the one thing
// it reports is the port status, through a control request.
//
// Errors: every operation reports through an error_code; none throws.
//
// Buffers: the memory of a write or a control request must stay alive and
// untouched until its handler has run.
//
// Handlers: called exactly once with (error_code, bytes transferred), never
// from inside the call that started the operation, through the handler's
// associated executor (by default the port's).
//
// Cancellation: close() and cancel() end every pending operation with
// operation-aborted; a control request already blocked in the driver ends
// when the driver returns and is then reported as aborted.
//
// Threads: open, close, cancel and is_open may be called from any one thread
// while operations are started from completion handlers on the I/O thread;
// the port is not meant to be opened from two threads at once.
template <typename Executor = boost::asio::any_io_executor> class basic_usb_port
{
public:
    using executor_type = Executor;
    using native_handle_type = int;

    explicit basic_usb_port(const executor_type& executor)
        : executor_(executor), service_(&find_service(executor)), impl_(service_->construct(executor))
    {
    }

    template <typename ExecutionContext,
              typename =
                  std::enable_if_t<std::is_convertible_v<ExecutionContext&, boost::asio::execution_context&>>>
    explicit basic_usb_port(ExecutionContext& context) : basic_usb_port(executor_type(context.get_executor()))
    {
    }

    // The moved-from port is left closed and usable.
    basic_usb_port(basic_usb_port&& other)
        : executor_(other.executor_), service_(other.service_),
          impl_(std::exchange(other.impl_, other.service_->construct(other.executor_)))
    {
    }

    basic_usb_port& operator=(basic_usb_port&& other)
    {
        if (this != &other) {
            service_->destroy(impl_);
            executor_ = other.executor_;
            service_ = other.service_;
            impl_ = std::exchange(other.impl_, other.service_->construct(other.executor_));
        }
        return *this;
    }

    basic_usb_port(const basic_usb_port&) = delete;
    basic_usb_port& operator=(const basic_usb_port&) = delete;

    // Closes the node; pending operations end with operation-aborted.
    ~basic_usb_port() { service_->destroy(impl_); }

    executor_type get_executor() const noexcept { return executor_; }

    // Opens the device node for writing and control requests, exclusively.
    // An open port fails with already-open and keeps its node.
    void open(const std::string& path, boost::system::error_code& ec) { service_->open(*impl_, path, ec); }

    bool is_open() const { return service_->is_open(*impl_); }

    // Closing a closed port succeeds.
    void close(boost::system::error_code& ec) { service_->close(*impl_, ec); }

    // Ends every pending operation with operation-aborted; bad-descriptor on
    // a closed port.
    void cancel(boost::system::error_code& ec) { service_->cancel(*impl_, ec); }

    // The node's descriptor, -1 while closed.
    native_handle_type native_handle() const { return service_->native_handle(*impl_); }

    // One write request of the whole buffer. It completes once the printer
    // has taken the data (the node is writable again); fewer bytes than asked
    // are reported as success with the smaller count. A closed port gives
    // bad-descriptor and 0 bytes; an empty buffer succeeds at once.
    template <typename WriteToken> auto async_write_some(boost::asio::const_buffer buffer, WriteToken&& token)
    {
        return service_->async_write_some(impl_, buffer, std::forward<WriteToken>(token));
    }

    // One printer-class control request. The port status lands in byte 0 of
    // output (1 byte transferred); the soft reset ignores input and output.
    // Empty input and output complete at once without reaching the device.
    template <typename ControlToken>
    auto async_device_io_control(usb_control_code code, boost::asio::const_buffer input,
                                 boost::asio::mutable_buffer output, ControlToken&& token)
    {
        return service_->async_device_io_control(impl_, code, input, output,
                                                 std::forward<ControlToken>(token));
    }

private:
    static usb_port_service& find_service(const executor_type& executor)
    {
        return boost::asio::use_service<usb_port_service>(
            boost::asio::query(executor, boost::asio::execution::context));
    }

    executor_type executor_;
    usb_port_service* service_;
    usb_port_service::implementation_ptr impl_;
};

using usb_port = basic_usb_port<>;

// The kernel reports an unplugged printer with ENODEV, sometimes EIO.
inline bool is_device_gone(const boost::system::error_code& ec)
{
    return ec == boost::system::error_code(ENODEV, boost::system::system_category()) ||
           ec == boost::system::error_code(EIO, boost::system::system_category());
}

} // namespace device
