#pragma once

#include "device/PrintedTicket.h"

#include <QCommandLineOption>
#include <QString>

#include <optional>

namespace cli {

class CommandLine;

// render --mode ticket: the values the printer fills in, with the
// emulator's defaults (ticket 1, waiting 0, serving 0, 2024-03-01 08:30:00),
// or every field at its widest.
struct TicketOptions
{
    TicketOptions();
    void AddTo(CommandLine& line) const;
    bool AnySet(const CommandLine& line) const;
    // The values given; a message when one is not a value the printer holds.
    std::optional<QString> Read(const CommandLine& line, device::TicketValues& values) const;

    QCommandLineOption ticket;
    QCommandLineOption waiting;
    QCommandLineOption serving;
    QCommandLineOption time;
    QCommandLineOption worstCase;
};

} // namespace cli
