#pragma once

namespace app {

// What the frame's enabling rules and progress pane need to know of the
// printer link.
class DeviceState
{
public:
    virtual ~DeviceState() = default;
    // The device commands may run: a printer is open and nothing is being sent.
    virtual bool CanRunDeviceCommand() const = 0;
    // The buffer being written, negative while no transfer runs.
    virtual int TransferIndex() const = 0;
    // A printer's port is open.
    virtual bool IsPrinterConnected() const = 0;
    virtual bool IsTransferRunning() const = 0;
};

} // namespace app
