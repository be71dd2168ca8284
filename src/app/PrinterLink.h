#pragma once

#include <QObject>

#include "app/DeviceState.h"
#include "device/usb/BasicUsbPort.h"

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>

#include <memory>
#include <thread>

class QSocketNotifier;

namespace device {
class printer_connection;
class udev_printer_watcher;
} // namespace device

namespace app {

// The frame's side of the printer: the I/O thread, the USB port, discovery
// and hot-plug, and the port status. Status changes arrive on the I/O thread
// and reach the frame as queued signals, in the order they happened.
class PrinterLink : public QObject, public DeviceState
{
    Q_OBJECT
public:
    explicit PrinterLink(QObject* parent = nullptr);
    // Closes the port, stops the I/O context and joins its thread.
    ~PrinterLink() override;

    // Starts the I/O thread, follows printer arrivals and removals, and opens
    // the first printer present.
    void Start();
    void Stop();

    bool IsPortOpen() const override;
    // No transfers are sent through this link yet.
    int TransferIndex() const override { return -1; }

signals:
    // The text id pane 2 shows for the printer's new port status.
    void PortStatusTextChanged(int textId);
    // One report of a running transfer: (step, count) as the sequencer posts it.
    void TransferProgress(int step, int count);

private:
    boost::asio::io_context m_ioContext;
    boost::asio::executor_work_guard<boost::asio::io_context::executor_type> m_work;
    std::thread m_ioThread;
    std::unique_ptr<device::usb_port> m_port;
    std::unique_ptr<device::udev_printer_watcher> m_watcher;
    std::unique_ptr<device::printer_connection> m_connection;
    QSocketNotifier* m_monitor = nullptr;
};

} // namespace app
