#include "device/link/DeviceLink.h"

#include "device/usb/PortStatus.h"
#include "platform/Logger.h"

namespace device {

DeviceLink::DeviceLink(Callbacks callbacks)
    : m_context(std::make_shared<boost::asio::io_context>()), m_work(m_context->get_executor()),
      m_callbacks(std::move(callbacks)), m_port(*m_context), m_transferPort(m_port),
      m_connection(m_port, m_watcher,
                   [this](std::uint8_t status) {
                       if (m_callbacks.statusChanged) {
                           m_callbacks.statusChanged(status, port_status_text_id(status));
                       }
                   }),
      m_sequencer(m_transferPort, [this](int step, int count) {
          if (m_callbacks.transferProgress) {
              m_callbacks.transferProgress(step, count);
          }
      })
{
}

DeviceLink::~DeviceLink()
{
    Shutdown();
}

void DeviceLink::StartThread()
{
    if (m_ioThread.joinable() || m_shutDown) {
        return;
    }
    std::promise<void> done;
    m_ioDone = done.get_future();
    m_ioThread = std::thread([context = m_context, done = std::move(done)]() mutable {
        try {
            context->run();
        } catch (const std::exception& e) {
            TICKET_LOG(platform::Fatal) << "The device I/O loop failed: " << e.what();
        }
        done.set_value();
    });
}

boost::system::error_code DeviceLink::Start()
{
    StartThread();
    return m_connection.start();
}

boost::system::error_code DeviceLink::StartWithDevice(const std::string& devnode)
{
    StartThread();
    return m_connection.open_device(devnode);
}

void DeviceLink::Shutdown(std::chrono::milliseconds limit)
{
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    boost::system::error_code ignored;
    m_port.close(ignored);
    m_work.reset();
    m_context->stop();
    if (!m_ioThread.joinable()) {
        return;
    }
    if (m_ioDone.wait_for(limit) == std::future_status::ready) {
        m_ioThread.join();
    } else {
        TICKET_LOG(platform::Error) << "The device I/O thread did not stop within " << limit.count()
                                    << " ms; leaving it behind";
        m_ioThread.detach();
    }
}

} // namespace device
