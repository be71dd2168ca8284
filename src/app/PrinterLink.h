#pragma once

#include "app/DeviceState.h"
#include "device/BufferList.h"

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace device {
class DeviceLink;
}

namespace app {

// The frame's side of the printer: owns the device link (I/O thread, port,
// discovery, transfer sequencer) and watches udev for it. The link reports
// on its I/O thread; the reports reach the frame as signals queued in the
// order they happened.
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

    bool CanRunDeviceCommand() const override;
    int TransferIndex() const override;
    bool IsPrinterConnected() const override;
    bool IsTransferRunning() const override;
    // Sends a transaction; false (and the list dropped) without a printer.
    bool StartTransfer(device::BufferList list);

signals:
    // The text id pane 2 shows for the printer's new port status.
    void PortStatusTextChanged(int textId);
    // One report of a running transfer: (step, count) as the sequencer posts it.
    void TransferProgress(int step, int count);

private:
    std::unique_ptr<device::DeviceLink> m_link;
    QSocketNotifier* m_monitor = nullptr;
};

} // namespace app
