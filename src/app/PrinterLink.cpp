#include "app/PrinterLink.h"

#include "device/usb/BasicUsbPort.h"
#include "device/usb/PortStatus.h"
#include "device/usb/PrinterConnection.h"
#include "device/usb/UdevPrinterWatcher.h"
#include "platform/Logger.h"

#include <QMetaObject>
#include <QSocketNotifier>

namespace app {

PrinterLink::PrinterLink(QObject* parent)
    : QObject(parent), m_work(boost::asio::make_work_guard(m_ioContext)),
      m_port(std::make_unique<device::usb_port>(m_ioContext))
{
}

PrinterLink::~PrinterLink()
{
    Stop();
}

void PrinterLink::Start()
{
    if (m_ioThread.joinable()) {
        return;
    }
    m_ioThread = std::thread([this] { m_ioContext.run(); });

    m_watcher = std::make_unique<device::udev_printer_watcher>();
    m_connection =
        std::make_unique<device::printer_connection>(*m_port, *m_watcher, [this](std::uint8_t status) {
            const int textId = device::port_status_text_id(status);
            QMetaObject::invokeMethod(
                this, [this, textId] { emit PortStatusTextChanged(textId); }, Qt::QueuedConnection);
        });
    if (!m_watcher->is_valid()) {
        TICKET_LOG(platform::Error) << "Printer discovery unavailable: udev could not be set up";
        return;
    }
    m_monitor = new QSocketNotifier(m_watcher->monitor_fd(), QSocketNotifier::Read, this);
    connect(m_monitor, &QSocketNotifier::activated, this, [this] { m_connection->on_monitor_readable(); });
    m_connection->start();
}

void PrinterLink::Stop()
{
    if (m_monitor != nullptr) {
        m_monitor->setEnabled(false);
    }
    boost::system::error_code ignored;
    m_port->close(ignored);
    m_work.reset();
    m_ioContext.stop();
    if (m_ioThread.joinable()) {
        m_ioThread.join();
    }
}

bool PrinterLink::IsPortOpen() const
{
    return m_port->is_open();
}

} // namespace app
