#include "app/PrinterLink.h"

#include "device/link/DeviceLink.h"
#include "platform/Logger.h"

#include <QMetaObject>
#include <QSocketNotifier>

namespace app {

PrinterLink::PrinterLink(QObject* parent) : QObject(parent)
{
    device::DeviceLink::Callbacks callbacks;
    callbacks.statusChanged = [this](std::uint8_t, int textId) {
        QMetaObject::invokeMethod(
            this, [this, textId] { emit PortStatusTextChanged(textId); }, Qt::QueuedConnection);
    };
    callbacks.transferProgress = [this](int step, int count) {
        QMetaObject::invokeMethod(
            this, [this, step, count] { emit TransferProgress(step, count); }, Qt::QueuedConnection);
    };
    m_link = std::make_unique<device::DeviceLink>(std::move(callbacks));
}

PrinterLink::~PrinterLink()
{
    Stop();
}

void PrinterLink::Start()
{
    if (m_monitor != nullptr) {
        return;
    }
    const int fd = m_link->MonitorFd();
    if (fd >= 0) {
        m_monitor = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(m_monitor, &QSocketNotifier::activated, this, [this] { m_link->OnMonitorReadable(); });
    } else {
        TICKET_LOG(platform::Error) << "Printer hot-plug unavailable: udev could not be set up";
    }
    const boost::system::error_code ec = m_link->Start();
    if (ec) {
        TICKET_LOG(platform::Notice) << "No printer opened at start-up: " << ec.message();
    }
}

void PrinterLink::Stop()
{
    if (m_monitor != nullptr) {
        m_monitor->setEnabled(false);
    }
    m_link->Shutdown();
}

bool PrinterLink::CanRunDeviceCommand() const
{
    return m_link->CanRunDeviceCommand();
}

bool PrinterLink::IsPrinterConnected() const
{
    return m_link->IsOpen();
}

bool PrinterLink::IsTransferRunning() const
{
    return m_link->IsTransferRunning();
}

int PrinterLink::TransferIndex() const
{
    return m_link->BufIndex();
}

bool PrinterLink::StartTransfer(device::BufferList list)
{
    return m_link->StartTransfer(std::move(list));
}

} // namespace app
