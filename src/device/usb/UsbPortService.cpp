#include "device/usb/UsbPortService.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace device {

namespace usb_port_detail {

boost::system::error_code last_system_error()
{
    return {errno, boost::system::system_category()};
}

namespace {

// Ends the use of the node by a control request; closes it if the port was
// closed meanwhile.
void finish_request(port_record& port)
{
    if (--port.requests_running == 0 && port.deferred_close >= 0) {
        ::close(port.deferred_close);
        port.deferred_close = -1;
    }
}

} // namespace

std::size_t run_control_request(port_record& port, std::uint64_t epoch, usb_control_code code,
                                boost::asio::mutable_buffer output, boost::system::error_code& ec)
{
    int fd = -1;
    {
        std::lock_guard lock(port.mutex);
        if (!port.descriptor.is_open() || epoch != port.abort_epoch) {
            ec = boost::asio::error::operation_aborted;
            return 0;
        }
        fd = port.descriptor.native_handle();
        ++port.requests_running;
    }

    int status = 0;
    int rc = 0;
    do {
        if (code == usb_control_code::IOCTL_USBPRINT_GET_LPT_STATUS) {
            rc = ::ioctl(fd, static_cast<unsigned long>(code), &status);
        } else {
            rc = ::ioctl(fd, static_cast<unsigned long>(code));
        }
    } while (rc < 0 && errno == EINTR);
    const auto request_error = rc < 0 ? last_system_error() : boost::system::error_code{};

    std::lock_guard lock(port.mutex);
    const bool aborted = !port.descriptor.is_open() || epoch != port.abort_epoch;
    finish_request(port);
    if (aborted) {
        ec = boost::asio::error::operation_aborted;
        return 0;
    }
    ec = request_error;
    if (ec || code != usb_control_code::IOCTL_USBPRINT_GET_LPT_STATUS || output.size() == 0) {
        return 0;
    }
    // The driver reports the status byte in an int; only its low byte is meaningful.
    static_cast<unsigned char*>(output.data())[0] = static_cast<unsigned char>(status & 0xff);
    return 1;
}

} // namespace usb_port_detail

boost::asio::execution_context::id usb_port_service::id;

usb_port_service::usb_port_service(boost::asio::execution_context& context)
    : boost::asio::execution_context::service(context)
{
}

usb_port_service::~usb_port_service() = default;

usb_port_service::implementation_ptr usb_port_service::construct(const boost::asio::any_io_executor& executor)
{
    auto impl = std::make_shared<implementation_type>(executor);
    std::lock_guard lock(mutex_);
    ports_.insert(impl.get());
    return impl;
}

void usb_port_service::destroy(const implementation_ptr& impl)
{
    if (!impl) {
        return;
    }
    boost::system::error_code ignored;
    close(*impl, ignored);
    std::lock_guard lock(mutex_);
    ports_.erase(impl.get());
}

boost::system::error_code usb_port_service::open(implementation_type& impl, const std::string& path,
                                                 boost::system::error_code& ec)
{
    if (is_open(impl)) {
        return ec = boost::asio::error::already_open;
    }

    // No O_CREAT: a printer that is gone must not leave a plain file behind.
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return ec = usb_port_detail::last_system_error();
    }
    // The printer takes one stream at a time: a second program (or a second
    // designer) must not interleave its transactions with ours.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ec = errno == EWOULDBLOCK
                 ? boost::system::errc::make_error_code(boost::system::errc::device_or_resource_busy)
                 : usb_port_detail::last_system_error();
        ::close(fd);
        return ec;
    }

    std::lock_guard lock(impl.mutex);
    if (impl.descriptor.is_open()) {
        ::close(fd);
        return ec = boost::asio::error::already_open;
    }
    impl.descriptor.assign(fd, ec);
    if (ec) {
        ::close(fd);
        return ec;
    }
    return ec = {};
}

bool usb_port_service::is_open(const implementation_type& impl) const
{
    auto& record = const_cast<implementation_type&>(impl);
    std::lock_guard lock(record.mutex);
    return record.descriptor.is_open();
}

int usb_port_service::native_handle(const implementation_type& impl) const
{
    auto& record = const_cast<implementation_type&>(impl);
    std::lock_guard lock(record.mutex);
    return record.descriptor.is_open() ? record.descriptor.native_handle() : -1;
}

boost::system::error_code usb_port_service::close(implementation_type& impl, boost::system::error_code& ec)
{
    std::lock_guard lock(impl.mutex);
    ec = {};
    if (!impl.descriptor.is_open()) {
        return ec;
    }
    ++impl.abort_epoch;
    if (impl.requests_running > 0) {
        // release() ends the pending waits like close() but leaves the node
        // open for the request still blocked in the driver.
        impl.deferred_close = impl.descriptor.release();
        return ec;
    }
    impl.descriptor.close(ec);
    return ec;
}

boost::system::error_code usb_port_service::cancel(implementation_type& impl, boost::system::error_code& ec)
{
    std::lock_guard lock(impl.mutex);
    if (!impl.descriptor.is_open()) {
        return ec = boost::asio::error::bad_descriptor;
    }
    ++impl.abort_epoch;
    impl.descriptor.cancel(ec);
    return ec;
}

void usb_port_service::shutdown()
{
    std::lock_guard lock(mutex_);
    for (auto* impl : ports_) {
        boost::system::error_code ignored;
        close(*impl, ignored);
    }
}

} // namespace device
