#include "CliCommand.h"
#include "CommandLine.h"
#include "DeviceSession.h"
#include "TemplateLoading.h"

#include "device/ClockTransaction.h"
#include "device/UploadEncoder.h"
#include "device/usb/PortStatus.h"
#include "document/DesignerDoc.h"

#include <QDateTime>

namespace cli {

namespace {

constexpr auto kStatusWait = std::chrono::seconds(5);
// A printer that takes nothing for this long is not going to.
constexpr int kDefaultStallSeconds = 30;
constexpr int kMaxStallSeconds = 24 * 60 * 60;

QCommandLineOption DeviceOption()
{
    return QCommandLineOption(QStringLiteral("device"),
                              CliText::tr("The printer's device node, for example /dev/usb/lp0 (default: the "
                                          "first printer found)."),
                              QStringLiteral("node"));
}

QCommandLineOption TimeoutOption()
{
    return QCommandLineOption(
        QStringLiteral("timeout"),
        CliText::tr("Give up when the printer takes no data for <seconds> (default: %1).")
            .arg(kDefaultStallSeconds),
        QStringLiteral("seconds"), QString::number(kDefaultStallSeconds));
}

// A whole number of seconds from 1 to a day, in decimal digits only.
bool ParseSeconds(const QString& text, int* seconds)
{
    if (text.isEmpty() || text.size() > 5) {
        return false;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    *seconds = text.toInt();
    return *seconds >= 1 && *seconds <= kMaxStallSeconds;
}

// The --timeout value; kExitOk, or kExitUsage with the error printed.
int ReadStallLimit(const CommandLine& line, const QCommandLineOption& timeout, std::chrono::seconds* limit)
{
    int seconds = kDefaultStallSeconds;
    if (!ParseSeconds(line.Value(timeout), &seconds)) {
        return line.UsageError(
            CliText::tr("--timeout needs a whole number of seconds from 1 to %1, not \"%2\"")
                .arg(kMaxStallSeconds)
                .arg(line.Value(timeout)));
    }
    *limit = std::chrono::seconds(seconds);
    return kExitOk;
}

// Opens the printer and sends one transaction with its progress bar.
int Send(const CommandLine& line, std::chrono::seconds stallLimit, device::BufferList list)
{
    DeviceSession session;
    if (const int opened = session.Open(line.Value(DeviceOption())); opened != kExitOk) {
        return opened;
    }
    return session.Transfer(std::move(list), stallLimit);
}

} // namespace

int RunSetClock(const CliCommand& command, const QStringList& arguments)
{
    CommandLine line(command);
    const QCommandLineOption at(QStringLiteral("at"),
                                CliText::tr("The local time to set, \"YYYY-MM-DD HH:MM:SS\" (default: now)."),
                                QStringLiteral("time"));
    const QCommandLineOption timeout = TimeoutOption();
    line.AddOption(at);
    line.AddOption(DeviceOption());
    line.AddOption(timeout);
    if (const auto done = line.Parse(arguments, 0, 0)) {
        return *done;
    }
    std::chrono::seconds stallLimit{};
    if (const int read = ReadStallLimit(line, timeout, &stallLimit); read != kExitOk) {
        return read;
    }
    // The clock value is the moment of the command, not of the delivery.
    QDateTime when;
    if (!ParseClockArgument(line.Value(at), &when)) {
        return kExitUsage;
    }
    return Send(line, stallLimit, device::BuildClockTransaction(device::ToLocalDateTime(when)));
}

int RunStatus(const CliCommand& command, const QStringList& arguments)
{
    CommandLine line(command);
    line.AddOption(DeviceOption());
    if (const auto done = line.Parse(arguments, 0, 0)) {
        return *done;
    }
    DeviceSession session;
    if (const int opened = session.Open(line.Value(DeviceOption())); opened != kExitOk) {
        return opened;
    }
    const auto status = session.WaitForStatus(kStatusWait);
    if (!status) {
        PrintError(CliText::tr("ticket-cli: the printer did not report its status"));
        return kExitDeviceFailed;
    }
    PrintOut(CliText::tr("%1 (port status 0x%2)")
                 .arg(PortStatusText(device::port_status_text_id(*status)))
                 .arg(*status, 2, 16, QLatin1Char('0')));
    return kExitOk;
}

namespace {
// Renders and sends one template transaction: the upload or a printed page.
int SendTemplate(const CliCommand& command, const QStringList& arguments, bool upload)
{
    CommandLine line(command);
    const QCommandLineOption timeout = TimeoutOption();
    line.AddOption(DeviceOption());
    line.AddOption(timeout);
    line.AddOperand(QStringLiteral("TEMPLATE.vt"), CliText::tr("The template to send."));
    if (const auto done = line.Parse(arguments, 1, 1)) {
        return *done;
    }
    std::chrono::seconds stallLimit{};
    if (const int read = ReadStallLimit(line, timeout, &stallLimit); read != kExitOk) {
        return read;
    }
    document::CDesignerDoc doc;
    if (const int opened = OpenTemplate(line.Operands().first(), doc); opened != kExitOk) {
        return opened;
    }
    return Send(line, stallLimit,
                upload ? device::EncodeTemplateUpload(*doc.GetForm())
                       : device::EncodePrintPage(*doc.GetForm()));
}
} // namespace

int RunUpload(const CliCommand& command, const QStringList& arguments)
{
    return SendTemplate(command, arguments, true);
}

int RunPrint(const CliCommand& command, const QStringList& arguments)
{
    return SendTemplate(command, arguments, false);
}

} // namespace cli
