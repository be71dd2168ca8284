#include "device/usb/PrinterConnection.h"

#include <utility>

namespace device {

printer_connection::printer_connection(usb_port& port, udev_printer_watcher& watcher,
                                       status_callback on_status_changed)
    : port_(port), watcher_(watcher), on_status_changed_(std::move(on_status_changed))
{
}

boost::system::error_code printer_connection::start()
{
    const auto printers = watcher_.enumerate();
    if (printers.empty()) {
        return boost::system::errc::make_error_code(boost::system::errc::no_such_device);
    }
    return open_and_query(printers.front().devnode);
}

boost::system::error_code printer_connection::open_device(const std::string& devnode)
{
    return open_and_query(devnode);
}

void printer_connection::on_monitor_readable()
{
    for (const auto& event : watcher_.receive()) {
        if (event.kind == udev_printer_watcher::change::arrival) {
            if (!port_.is_open()) {
                open_and_query(event.node.devnode);
            }
        } else if (port_.is_open()) {
            port_status_ = kPortStatusNoPrinter;
            boost::system::error_code ignored;
            port_.close(ignored);
            report(kPortStatusNoPrinter);
        }
    }
}

boost::system::error_code printer_connection::open_and_query(const std::string& devnode)
{
    boost::system::error_code ec;
    port_.open(devnode, ec);
    if (!ec) {
        first_read_pending_ = true;
        query_port_status();
    }
    return ec;
}

void printer_connection::query_port_status()
{
    if (!port_.is_open()) {
        return;
    }
    port_.async_device_io_control(
        usb_control_code::IOCTL_USBPRINT_GET_LPT_STATUS, boost::asio::const_buffer(),
        boost::asio::buffer(status_buf_),
        [this](const boost::system::error_code& ec, std::size_t bytes) { on_port_status_read(ec, bytes); });
}

void printer_connection::on_port_status_read(const boost::system::error_code& ec, std::size_t bytes)
{
    if (ec || bytes < 1) {
        return;
    }
    const std::uint8_t status = status_buf_[0];
    const bool first = first_read_pending_.exchange(false);
    if (port_status_.exchange(status) != status || first) {
        report(status);
    }
}

void printer_connection::report(std::uint8_t status)
{
    if (on_status_changed_) {
        on_status_changed_(status);
    }
}

} // namespace device
