#include "CliCommand.h"
#include "DeviceSession.h"

#include "device/ClockTransaction.h"
#include "device/usb/PortStatus.h"

#include <QDateTime>

namespace cli {

namespace {

constexpr auto kStatusWait = std::chrono::seconds(5);
// A printer that takes nothing for this long is not going to.
constexpr auto kTransferLimit = std::chrono::seconds(30);

} // namespace

int RunSetClock(const QStringList& arguments)
{
    constexpr const char* usage = "set-clock [--at \"YYYY-MM-DD HH:MM:SS\"] [--device /dev/usb/lpN]";
    QStringList args = arguments;
    QString at;
    QString devnode;
    if (!TakeOption(args, QStringLiteral("--at"), &at) ||
        !TakeOption(args, QStringLiteral("--device"), &devnode) || !RejectUnknownOptions(args, usage)) {
        return kExitUsage;
    }
    if (!args.isEmpty()) {
        PrintError(Tr("usage: ticket-cli %1").arg(QString::fromUtf8(usage)));
        return kExitUsage;
    }
    // The clock value is the moment of the command, not of the delivery.
    QDateTime when = QDateTime::currentDateTime();
    if (!at.isEmpty()) {
        when = QDateTime::fromString(at, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!when.isValid()) {
            PrintError(Tr("ticket-cli: --at needs \"YYYY-MM-DD HH:MM:SS\", not \"%1\"").arg(at));
            return kExitUsage;
        }
    }
    device::BufferList clock = device::BuildClockTransaction(device::ToLocalDateTime(when));

    DeviceSession session;
    if (const int opened = session.Open(devnode); opened != kExitOk) {
        return opened;
    }
    return session.Transfer(std::move(clock), kTransferLimit);
}

int RunStatus(const QStringList& arguments)
{
    constexpr const char* usage = "status [--device /dev/usb/lpN]";
    QStringList args = arguments;
    QString devnode;
    if (!TakeOption(args, QStringLiteral("--device"), &devnode) || !RejectUnknownOptions(args, usage)) {
        return kExitUsage;
    }
    if (!args.isEmpty()) {
        PrintError(Tr("usage: ticket-cli %1").arg(QString::fromUtf8(usage)));
        return kExitUsage;
    }
    DeviceSession session;
    if (const int opened = session.Open(devnode); opened != kExitOk) {
        return opened;
    }
    const auto status = session.WaitForStatus(kStatusWait);
    if (!status) {
        PrintError(Tr("ticket-cli: the printer did not report its status"));
        return kExitDeviceFailed;
    }
    PrintOut(Tr("%1 (port status 0x%2)")
                 .arg(PortStatusText(device::port_status_text_id(*status)))
                 .arg(*status, 2, 16, QLatin1Char('0')));
    return kExitOk;
}

} // namespace cli
