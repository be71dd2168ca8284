#pragma once

#include "device/usb/BasicUsbPort.h"
#include "device/usb/PortStatus.h"
#include "device/usb/UdevPrinterWatcher.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace device {

// Keeps the port open to the queue-ticket printer whenever one is plugged in
// and tracks its port status.
//
// Threads: start(), on_monitor_readable() and query_port_status() run on the
// user-interface thread. The status callback runs on the I/O thread after a
// status read and on the user-interface thread after a removal; the UI layer
// marshals it with a queued call. Close the port and stop the I/O context
// before destroying the connection: a status read writes into it.
class printer_connection
{
public:
    using status_callback = std::function<void(std::uint8_t status)>;

    printer_connection(usb_port& port, udev_printer_watcher& watcher, status_callback on_status_changed);

    printer_connection(const printer_connection&) = delete;
    printer_connection& operator=(const printer_connection&) = delete;

    // Opens the first printer present. A printer that cannot be opened (held
    // by another program) ends the search; its next arrival tries again.
    // Returns why no port was opened: no_such_device when no printer is
    // present, else the open's error.
    boost::system::error_code start();

    // Opens the printer at a node the user named, without discovery, and
    // reads its status.
    boost::system::error_code open_device(const std::string& devnode);

    // Handles the arrivals and removals pending on the watcher's monitor.
    // Arrivals are ignored while the port is open; the removal of any of our
    // printers closes it and reports the "no printer" status.
    void on_monitor_readable();

    // Starts one read of the port status, if the port is open.
    void query_port_status();

    std::uint8_t port_status() const { return port_status_.load(); }

private:
    boost::system::error_code open_and_query(const std::string& devnode);
    void on_port_status_read(const boost::system::error_code& ec, std::size_t bytes);
    void report(std::uint8_t status);

    usb_port& port_;
    udev_printer_watcher& watcher_;
    status_callback on_status_changed_;
    std::array<std::uint8_t, 64> status_buf_{};
    std::atomic<std::uint8_t> port_status_{kPortStatusNoPrinter};
    // The first read after an open reports even the "no printer" value, or
    // the pane would ask for a printer that is connected.
    std::atomic<bool> first_read_pending_{false};
};

} // namespace device
