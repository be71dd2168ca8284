#include "DeviceSession.h"

#include "CliCommand.h"

#include "device/link/TransferProgress.h"
#include "device/usb/PortStatus.h"

#include <cstdio>
#include <unistd.h>

namespace cli {

namespace {

// "[#########...........]  45/100" redrawn in place on a terminal; only the
// last state elsewhere, so logs stay readable.
void DrawProgress(int position, int range, bool last)
{
    const bool terminal = ::isatty(STDERR_FILENO) != 0;
    if (!terminal && !last) {
        return;
    }
    constexpr int kWidth = 30;
    const int filled = range > 0 ? position * kWidth / range : 0;
    std::fprintf(stderr, "\r[%s%s] %d/%d%s", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kWidth - filled), '.').c_str(), position, range,
                 last ? "\n" : "");
    std::fflush(stderr);
}

} // namespace

QString PortStatusText(int textId)
{
    switch (textId) {
    case device::kTextPrinterHasError:
        return CliText::tr("Printer has error");
    case device::kTextPrinterStatusNormal:
        return CliText::tr("Printer Status is normal");
    case device::kTextPaperEmpty:
        return CliText::tr("Paper empty");
    default:
        return CliText::tr("Please connect the printer");
    }
}

DeviceSession::DeviceSession()
    : m_link({[this](std::uint8_t status, int) {
                  std::lock_guard lock(m_mutex);
                  m_status = status;
                  m_changed.notify_all();
              },
              [this](int step, int count) {
                  std::lock_guard lock(m_mutex);
                  m_steps.emplace_back(step, count);
                  m_changed.notify_all();
              }})
{
}

int DeviceSession::Open(const QString& devnode)
{
    const boost::system::error_code ec =
        devnode.isEmpty() ? m_link.Start() : m_link.StartWithDevice(devnode.toStdString());
    if (!ec) {
        return kExitOk;
    }
    if (ec == boost::system::errc::device_or_resource_busy) {
        PrintError(CliText::tr("ticket-cli: printer busy: another program is using it"));
        return kExitPrinterBusy;
    }
    if (ec == boost::system::errc::no_such_device || ec == boost::system::errc::no_such_file_or_directory) {
        PrintError(devnode.isEmpty() ? CliText::tr("ticket-cli: no printer: please connect the printer")
                                     : CliText::tr("ticket-cli: no printer at %1").arg(devnode));
        return kExitNoPrinter;
    }
    PrintError(
        CliText::tr("ticket-cli: no printer: cannot open it: %1").arg(QString::fromStdString(ec.message())));
    return kExitNoPrinter;
}

std::optional<std::uint8_t> DeviceSession::WaitForStatus(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, limit, [this] { return m_status.has_value(); });
    return m_status;
}

std::optional<std::pair<int, int>> DeviceSession::NextStep(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    if (!m_changed.wait_for(lock, limit, [this] { return !m_steps.empty(); })) {
        return std::nullopt;
    }
    const auto step = m_steps.front();
    m_steps.pop_front();
    return step;
}

int DeviceSession::Transfer(device::BufferList list, std::chrono::milliseconds stallLimit)
{
    if (!m_link.StartTransfer(std::move(list))) {
        PrintError(CliText::tr("ticket-cli: no printer: please connect the printer"));
        return kExitNoPrinter;
    }
    device::TransferProgressTracker tracker;
    for (;;) {
        // A slow printer may take minutes for a long upload; only a printer
        // that stops taking data fails it.
        const auto step = NextStep(stallLimit);
        if (!step) {
            PrintError(CliText::tr("ticket-cli: write failed: the printer took no data for %1 seconds")
                           .arg(std::chrono::duration_cast<std::chrono::seconds>(stallLimit).count()));
            return kExitDeviceFailed;
        }
        const device::ProgressUpdate update =
            tracker.OnPortTransProgress(step->first, step->second, m_link.BufIndex());
        using Action = device::ProgressUpdate::Action;
        switch (update.action) {
        case Action::ShowBar:
        case Action::SetPosition:
            DrawProgress(update.position, update.range, false);
            break;
        case Action::Succeeded:
            DrawProgress(update.position, update.range, true);
            PrintOut(CliText::tr("Data sent to the printer."));
            return kExitOk;
        case Action::Failed:
            std::fputc('\n', stderr);
            PrintError(CliText::tr("ticket-cli: write failed: %1").arg(CliText::tr("Failed to write data!")));
            return kExitDeviceFailed;
        case Action::None:
            break;
        }
    }
}

} // namespace cli
