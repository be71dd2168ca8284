#pragma once

#include "device/PrintedTicket.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace emulator {

// ticket-printer-emu's messages, in the user's language.
class EmulatorText
{
    Q_DECLARE_TR_FUNCTIONS(emulator::EmulatorText)
};

// Exit statuses. decode answers with its own; live passes the command's
// status on and keeps 124 to 127 for itself, as env and timeout do, so a
// script can tell the printer's side from the program's.
enum EmulatorStatus : int
{
    kEmuOk = 0,
    kEmuStreamFault = 1,    // decode: the stream breaks the printer's rules
    kEmuUsage = 2,          // decode, or no mode: bad arguments
    kEmuFilesFailed = 3,    // decode: the stream cannot be read or the report written
    kLiveStreamFault = 124, // live: the command succeeded but what it sent is faulty
    kLiveFailed = 125,      // live: bad arguments, no emulated printer, or the report not written
    kLiveCannotRun = 126,   // live: the command cannot be run
    kLiveNotFound = 127,    // live: the command does not exist
};

struct EmulatorOptions
{
    enum class Mode
    {
        Decode,
        Live,
    };
    Mode mode = Mode::Decode;
    QString stream;         // decode: the stream file
    QString outDir;         // -o: where the printer's state is written
    QString streamOut;      // live: where every received byte is kept
    int status = 0x18;      // live: the port status answered
    int bytesPerSecond = 0; // live: how fast the printer takes data; 0: at once
    device::TicketValues ticket;
    std::vector<std::string> command; // live: the program and its arguments
};

// Reads the command line (the program's name first). Empty when the mode is
// to run; otherwise the status to exit with, the help, version or error
// already printed.
std::optional<int> ParseEmulatorOptions(const QStringList& arguments, EmulatorOptions& options);

// Writes a line to standard error (UTF-8).
void PrintError(const QString& text);

} // namespace emulator
