#include "TicketOptions.h"

#include "CliCommand.h"
#include "CommandLine.h"

#include <QDateTime>

namespace cli {

namespace {

// The printer counts in 16 bits.
constexpr int kMaxFieldNumber = 65535;

// Decimal digits only: "010" is ten, as a person reads it, never eight.
bool ParseDecimal(const QString& text, int* value)
{
    if (text.isEmpty() || text.size() > 12) {
        return false;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok, 10);
    if (!ok || number > kMaxFieldNumber) {
        return false;
    }
    *value = int(number);
    return true;
}

} // namespace

TicketOptions::TicketOptions()
    : ticket(QStringLiteral("ticket"), CliText::tr("ticket mode: the ticket number (default 1)."),
             QStringLiteral("n")),
      waiting(QStringLiteral("waiting"), CliText::tr("ticket mode: the waiting count (default 0)."),
              QStringLiteral("n")),
      serving(QStringLiteral("serving"), CliText::tr("ticket mode: the number being served (default 0)."),
              QStringLiteral("n")),
      time(QStringLiteral("time"),
           CliText::tr("ticket mode: the date and time, \"YYYY-MM-DD HH:MM:SS\" (default 2024-03-01 08:30:00)."),
           QStringLiteral("time")),
      worstCase(QStringLiteral("worst-case"),
                CliText::tr("ticket mode: every field at its widest value instead, the widest digit of its "
                            "glyph set in every position, as the template check measures it."))
{
}

void TicketOptions::AddTo(CommandLine& line) const
{
    for (const QCommandLineOption* option : {&ticket, &waiting, &serving, &time, &worstCase}) {
        line.AddOption(*option);
    }
}

bool TicketOptions::AnySet(const CommandLine& line) const
{
    for (const QCommandLineOption* option : {&ticket, &waiting, &serving, &time, &worstCase}) {
        if (line.IsSet(*option)) {
            return true;
        }
    }
    return false;
}

std::optional<QString> TicketOptions::Read(const CommandLine& line, device::TicketValues& values) const
{
    const std::pair<const QCommandLineOption*, int*> numbers[] = {
        {&ticket, &values.ticket}, {&waiting, &values.waiting}, {&serving, &values.serving}};
    for (const auto& [option, value] : numbers) {
        if (line.IsSet(*option) && !ParseDecimal(line.Value(*option), value)) {
            return CliText::tr("--%1 needs a decimal number from 0 to %2, not \"%3\"")
                .arg(option->names().constFirst())
                .arg(kMaxFieldNumber)
                .arg(line.Value(*option));
        }
    }
    if (line.IsSet(time)) {
        const QDateTime t = QDateTime::fromString(line.Value(time), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!t.isValid()) {
            return CliText::tr("--time needs \"YYYY-MM-DD HH:MM:SS\", not \"%1\"").arg(line.Value(time));
        }
        values.time = device::ToLocalDateTime(t);
    }
    values.worstCase = line.IsSet(worstCase);
    if (values.worstCase && (line.IsSet(ticket) || line.IsSet(waiting) || line.IsSet(serving) || line.IsSet(time))) {
        return CliText::tr("--worst-case fills every field itself; give it without values");
    }
    return std::nullopt;
}

} // namespace cli
