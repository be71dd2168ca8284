#pragma once

#include "CliCommand.h"

#include <QCommandLineParser>

#include <optional>

namespace cli {

// One command's arguments, read as Linux tools read theirs: options before
// or after the operands, "--name=value" and "-oVALUE", "--" ending the
// options, -h/--help and --version on standard output with status 0, and
// usage errors on standard error with kExitUsage.
class CommandLine
{
public:
    explicit CommandLine(const CliCommand& command);

    void AddOption(const QCommandLineOption& option);
    void AddOperand(const QString& name, const QString& description);

    // Reads the arguments after the command's name. Empty when the command
    // is to run; otherwise the status to exit with, help, version or error
    // already printed.
    std::optional<int> Parse(const QStringList& arguments, qsizetype minOperands, qsizetype maxOperands);

    bool IsSet(const QCommandLineOption& option) const { return m_parser.isSet(option); }
    QString Value(const QCommandLineOption& option) const { return m_parser.value(option); }
    QStringList Operands() const { return m_parser.positionalArguments(); }

    // Prints "ticket-cli: WHY" and where the usage is; returns kExitUsage.
    int UsageError(const QString& why) const;

    QString HelpText() const;

private:
    const CliCommand& m_command;
    QCommandLineParser m_parser;
    QStringList m_operandNames;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};

// The options every command and the program itself take.
QCommandLineOption HelpOption();
QCommandLineOption VersionOption();

// Qt's help text with its first line, which names the executable as it was
// started, replaced by "Usage: " and the given synopsis.
QString HelpWithUsage(const QCommandLineParser& parser, const QString& synopsis);

// "ticket-cli 2.0", the first line help2man and scripts expect.
QString VersionText();

} // namespace cli
