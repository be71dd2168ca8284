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
};

// One sub-command: "ticket-cli NAME ARGS...". args excludes the name.
struct CliCommand
{
    const char* name;
    const char* usage;   // one line, after "ticket-cli "
    const char* summary; // what it does, for the help text
    int (*run)(const QStringList& args);
};

// Messages go through the translator so they exist in both languages.
inline QString Tr(const char* text)
{
    return QCoreApplication::translate("ticket-cli", text);
}

// Writes a line to standard output / standard error (UTF-8).
void PrintOut(const QString& text);
void PrintError(const QString& text);

// Pops "--name VALUE" from args; false (with a message) when the value is
// missing. Absent options leave value untouched and answer true.
bool TakeOption(QStringList& args, const QString& name, QString* value);
// Pops a "--flag"; true when it was there.
bool TakeFlag(QStringList& args, const QString& name);
// Refuses any argument still starting with "--".
bool RejectUnknownOptions(const QStringList& args, const char* usage);

// The commands, one per file.
int RunDump(const QStringList& args);
int RunNew(const QStringList& args);
int RunSave(const QStringList& args);
int RunSetClock(const QStringList& args);
int RunStatus(const QStringList& args);

} // namespace cli
