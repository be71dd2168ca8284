#pragma once

#include "device/BufferList.h"
#include "device/link/DeviceLink.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

namespace cli {

// The device link for one command: opens the printer, waits for its reports
// with bounded waits and turns the outcome into an exit status and a message.
class DeviceSession
{
public:
    DeviceSession();

    // Opens the node given with --device, or the first printer found.
    // kExitOk, or kExitNoPrinter / kExitPrinterBusy with the message printed.
    int Open(const QString& devnode);

    // The first status read after opening, if the printer answers in time.
    std::optional<std::uint8_t> WaitForStatus(std::chrono::milliseconds limit);

    // Sends the transaction with a progress bar on standard error. kExitOk,
    // or kExitNoPrinter / kExitDeviceFailed with the message printed; the
    // transfer fails once the printer takes no data for stallLimit.
    int Transfer(device::BufferList list, std::chrono::milliseconds stallLimit);

private:
    std::optional<std::pair<int, int>> NextStep(std::chrono::milliseconds limit);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<int, int>> m_steps;
    std::optional<std::uint8_t> m_status;
    device::DeviceLink m_link;
};

// The status pane's text for a port status text id, in the user's language.
QString PortStatusText(int textId);

} // namespace cli
