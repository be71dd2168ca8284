#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace cli {

// Exit statuses every command shares, so scripts can tell failures apart.
enum ExitStatus : int
{
    kExitOk = 0,
    kExitUsage = 1,        // bad arguments
    kExitCannotOpen = 2,   // the input file cannot be read
    kExitWriteFailed = 3,  // the output could not be written
    kExitNoPrinter = 4,    // no printer connected, or it cannot be opened
    kExitPrinterBusy = 5,  // another program holds the printer
    kExitDeviceFailed = 6, // writing to the printer failed or it did not answer
    kExitCannotRender = 7, // the page is too large to draw or has no printable area
    // check: the template has errors (a page that cannot be rendered is one).
    kExitTemplateErrors = 7,
};

// ticket-cli's messages, in the user's language.
class CliText
{
    Q_DECLARE_TR_FUNCTIONS(cli::CliText)
};

// One command: "ticket-cli NAME [OPTIONS] OPERANDS".
struct CliCommand
{
    const char* name;
    const char* synopsis; // what follows "ticket-cli NAME" in the usage line
    const char* summary;  // marked with QT_TRANSLATE_NOOP("cli::CliText", ...)
    // Runs the command on the arguments after its name.
    int (*run)(const CliCommand& command, const QStringList& arguments);
};

// Writes a line to standard output / standard error (UTF-8).
void PrintOut(const QString& text);
void PrintError(const QString& text);

// The commands, one per file.
int RunCheck(const CliCommand& command, const QStringList& arguments);
int RunDump(const CliCommand& command, const QStringList& arguments);
int RunNew(const CliCommand& command, const QStringList& arguments);
int RunRender(const CliCommand& command, const QStringList& arguments);
int RunSave(const CliCommand& command, const QStringList& arguments);
int RunSetClock(const CliCommand& command, const QStringList& arguments);
int RunStatus(const CliCommand& command, const QStringList& arguments);
int RunEncode(const CliCommand& command, const QStringList& arguments);
int RunUpload(const CliCommand& command, const QStringList& arguments);
int RunPrint(const CliCommand& command, const QStringList& arguments);

} // namespace cli
