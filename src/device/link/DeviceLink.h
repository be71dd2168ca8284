#pragma once

#include "device/BufferList.h"
#include "device/link/TransferPort.h"
#include "device/link/TransferSequencer.h"
#include "device/usb/BasicUsbPort.h"
#include "device/usb/PrinterConnection.h"
#include "device/usb/UdevPrinterWatcher.h"

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>

#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>

namespace device {

// The main window's link to the queue-ticket printer: the I/O thread and its
// context, the port, discovery and hot-plug, the port status and the
// transfer sequencer.
//
// Threads: every member function is for the owner's (UI) thread. The
// callbacks run on the I/O thread, or on the owner's thread for a removal;
// the owner queues them to itself, which keeps their order. They must not
// call back into the link.
//
// The udev monitor is not watched here: the owner watches MonitorFd() (a
// QSocketNotifier in the designer, poll() in the CLI) and calls
// OnMonitorReadable() when it turns readable.
class DeviceLink
{
public:
    struct Callbacks
    {
        // The port status byte changed, with the text id the status pane shows.
        std::function<void(std::uint8_t status, int textId)> statusChanged;
        // (step, count) of the running transfer, see TransferSequencer.
        std::function<void(int step, int count)> transferProgress;
    };

    explicit DeviceLink(Callbacks callbacks);
    ~DeviceLink();

    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Starts the I/O thread and opens the first printer present. Returns why
    // no port was opened (no_such_device when there is no printer).
    boost::system::error_code Start();
    // Starts the I/O thread and opens the given node instead of searching.
    boost::system::error_code StartWithDevice(const std::string& devnode);

    int MonitorFd() const { return m_watcher.monitor_fd(); }
    void OnMonitorReadable() { m_connection.on_monitor_readable(); }

    bool IsOpen() const { return m_port.is_open(); }
    bool IsTransferRunning() const { return m_sequencer.IsTransferRunning(); }
    int BufIndex() const { return m_sequencer.BufIndex(); }
    std::uint8_t PortStatus() const { return m_connection.port_status(); }

    // The enabling rule of upload, test page and set clock: a printer is
    // connected and no transfer runs.
    bool CanRunDeviceCommand() const { return IsOpen() && !IsTransferRunning(); }

    // Hands a transaction to the sequencer; false (list dropped) without a
    // printer. Print uses it even while a transfer runs.
    bool StartTransfer(BufferList list) { return m_sequencer.StartTransfer(std::move(list)); }

    // Closes the port, stops the context and joins the I/O thread. A thread
    // stuck in the printer driver is left behind after limit rather than
    // hanging the program; it owns what it still uses. Idempotent.
    void Shutdown(std::chrono::milliseconds limit = std::chrono::seconds(3));

private:
    void StartThread();

    // Shared with the I/O thread, which may outlive the link after a
    // Shutdown that timed out.
    std::shared_ptr<boost::asio::io_context> m_context;
    boost::asio::executor_work_guard<boost::asio::io_context::executor_type> m_work;
    std::thread m_ioThread;
    std::future<void> m_ioDone;
    bool m_shutDown = false;

    Callbacks m_callbacks;
    usb_port m_port;
    udev_printer_watcher m_watcher;
    UsbTransferPort m_transferPort;
    printer_connection m_connection;
    TransferSequencer m_sequencer;
};

} // namespace device
