#pragma once

#include "device/usb/BasicUsbPort.h"

#include <boost/asio/buffer.hpp>
#include <boost/system/error_code.hpp>

#include <cstddef>
#include <functional>

namespace device {

// What the transfer sequencer needs of a port. The USB port is the one the
// program uses; tests put a port of their own behind it to inject faults.
//
// Handlers run exactly once, on the I/O thread, never inside the call that
// started the operation. The memory of a buffer must stay alive until its
// handler has run.
class TransferPort
{
public:
    using Handler = std::function<void(const boost::system::error_code& ec, std::size_t bytes)>;

    virtual ~TransferPort() = default;

    virtual bool IsOpen() const = 0;
    // Ends every pending operation with operation-aborted.
    virtual void Cancel() = 0;
    virtual void AsyncWrite(boost::asio::const_buffer data, Handler handler) = 0;
    virtual void AsyncSoftReset(boost::asio::const_buffer input, boost::asio::mutable_buffer output,
                                Handler handler) = 0;
};

// The printer's USB port seen as a transfer port.
class UsbTransferPort final : public TransferPort
{
public:
    explicit UsbTransferPort(usb_port& port) : m_port(port) {}

    bool IsOpen() const override { return m_port.is_open(); }
    void Cancel() override
    {
        boost::system::error_code ignored; // a closed port has nothing to cancel
        m_port.cancel(ignored);
    }
    void AsyncWrite(boost::asio::const_buffer data, Handler handler) override
    {
        m_port.async_write_some(data, std::move(handler));
    }
    void AsyncSoftReset(boost::asio::const_buffer input, boost::asio::mutable_buffer output,
                        Handler handler) override
    {
        m_port.async_device_io_control(usb_control_code::IOCTL_USBPRINT_SOFT_RESET, input, output,
                                       std::move(handler));
    }

private:
    usb_port& m_port;
};

} // namespace device
