#include "CommandLine.h"

#include "TicketVersion.h"

namespace cli {

QCommandLineOption HelpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                              CliText::tr("Show this help and quit."));
}

QCommandLineOption VersionOption()
{
    return QCommandLineOption(QStringLiteral("version"), CliText::tr("Show the version and quit."));
}

QString HelpWithUsage(const QCommandLineParser& parser, const QString& synopsis)
{
    const QString text = parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
    return CliText::tr("Usage: %1").arg(synopsis) + (firstLineEnd < 0 ? QString() : text.mid(firstLineEnd));
}

QString VersionText()
{
    return QStringLiteral("ticket-cli ") + QStringLiteral(TICKET_VERSION);
}

CommandLine::CommandLine(const CliCommand& command)
    : m_command(command), m_help(HelpOption()), m_version(VersionOption())
{
    m_parser.setApplicationDescription(CliText::tr(command.summary));
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
}

void CommandLine::AddOption(const QCommandLineOption& option)
{
    m_parser.addOption(option);
}

void CommandLine::AddOperand(const QString& name, const QString& description)
{
    m_parser.addPositionalArgument(name, description);
    m_operandNames << name;
}

std::optional<int> CommandLine::Parse(const QStringList& arguments, qsizetype minOperands,
                                      qsizetype maxOperands)
{
    // The parser skips the first argument, the program's own name.
    if (!m_parser.parse(QStringList{QStringLiteral("ticket-cli")} + arguments)) {
        return UsageError(m_parser.errorText());
    }
    if (m_parser.isSet(m_help)) {
        PrintOut(HelpText());
        return kExitOk;
    }
    if (m_parser.isSet(m_version)) {
        PrintOut(VersionText());
        return kExitOk;
    }
    const QStringList operands = m_parser.positionalArguments();
    if (operands.size() < minOperands) {
        const QString missing = m_operandNames.value(operands.size(), QStringLiteral("?"));
        return UsageError(CliText::tr("%1 is missing").arg(missing));
    }
    if (operands.size() > maxOperands) {
        return UsageError(CliText::tr("unexpected argument %1").arg(operands.at(maxOperands)));
    }
    return std::nullopt;
}

int CommandLine::UsageError(const QString& why) const
{
    const QString name = QString::fromUtf8(m_command.name);
    PrintError(CliText::tr("ticket-cli: %1").arg(why));
    PrintError(CliText::tr("usage: ticket-cli %1")
                   .arg(name + QLatin1Char(' ') + QString::fromUtf8(m_command.synopsis)));
    PrintError(CliText::tr("Try \"ticket-cli %1 --help\" for more information.").arg(name));
    return kExitUsage;
}

QString CommandLine::HelpText() const
{
    return HelpWithUsage(m_parser,
                         QStringLiteral("ticket-cli %1 %2")
                             .arg(QString::fromUtf8(m_command.name), QString::fromUtf8(m_command.synopsis)));
}

} // namespace cli
