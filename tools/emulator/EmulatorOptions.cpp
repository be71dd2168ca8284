#include "EmulatorOptions.h"

#include "TicketVersion.h"

#include <QCommandLineParser>
#include <QDateTime>

#include <cstdio>

namespace emulator {

namespace {

constexpr int kMaxFieldNumber = 65535;
constexpr int kMaxBytesPerSecond = 1000 * 1000 * 1000;

void PrintOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

bool AllDigits(const QString& text, int base)
{
    for (const QChar c : text) {
        const bool digit = c >= u'0' && c <= u'9';
        const bool hexLetter = (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!digit && !(base == 16 && hexLetter)) {
            return false;
        }
    }
    return !text.isEmpty();
}

// Decimal digits only: "010" is ten, as a person reads it, never eight.
bool ParseDecimal(const QString& text, int high, int* value)
{
    bool ok = false;
    const qlonglong number = text.size() <= 12 && AllDigits(text, 10) ? text.toLongLong(&ok, 10) : -1;
    if (!ok || number > high) {
        return false;
    }
    *value = int(number);
    return true;
}

// The port status byte as the printer's documentation writes it, 0x18, or
// in decimal.
bool ParseStatusByte(const QString& text, int* value)
{
    if (text.startsWith(u"0x") || text.startsWith(u"0X")) {
        const QString digits = text.mid(2);
        if (digits.size() > 2 || !AllDigits(digits, 16)) {
            return false;
        }
        *value = digits.toInt(nullptr, 16);
        return true;
    }
    return ParseDecimal(text, 255, value);
}

QString ProgramHelp(const QCommandLineParser& parser)
{
    const QString usage =
        EmulatorText::tr("Usage: %1")
            .arg(QStringLiteral("ticket-printer-emu decode STREAM.bin -o DIR [TICKET OPTIONS]")) +
        QStringLiteral(
            "\n  or:  ticket-printer-emu live [-o DIR] [--stream-out FILE] [--status BYTE] [--rate BYTES] "
            "[TICKET OPTIONS] [--] COMMAND [ARGUMENTS...]");
    // Qt's first line names the executable as started; ours names the program.
    const QString text = parser.helpText();
    QString help = usage + text.mid(text.indexOf(QLatin1Char('\n')));
    help += QLatin1Char('\n') + EmulatorText::tr("Exit status of decode:") + QLatin1Char('\n');
    help += QStringLiteral("  0    ") + EmulatorText::tr("the stream is sound") + QLatin1Char('\n');
    help += QStringLiteral("  1    ") +
            EmulatorText::tr("the stream has a fault; what the printer kept before it is still written") +
            QLatin1Char('\n');
    help += QStringLiteral("  2    ") + EmulatorText::tr("bad arguments") + QLatin1Char('\n');
    help += QStringLiteral("  3    ") +
            EmulatorText::tr("the stream cannot be read or the report cannot be written") + QLatin1Char('\n');
    help += QLatin1Char('\n') + EmulatorText::tr("Exit status of live:") + QLatin1Char('\n');
    help += QStringLiteral("  N    ") + EmulatorText::tr("the command's own status (0 to 123)") +
            QLatin1Char('\n');
    help += QStringLiteral("  124  ") +
            EmulatorText::tr("the command succeeded, but what it sent breaks the printer's rules") +
            QLatin1Char('\n');
    help += QStringLiteral("  125  ") +
            EmulatorText::tr("bad arguments, no emulated printer, or the report cannot be written") +
            QLatin1Char('\n');
    help += QStringLiteral("  126  ") + EmulatorText::tr("the command cannot be run") + QLatin1Char('\n');
    help += QStringLiteral("  127  ") + EmulatorText::tr("the command is not found") + QLatin1Char('\n');
    help += QStringLiteral("  128+N  ") + EmulatorText::tr("the command was killed by signal N");
    return help;
}

int UsageError(const QString& why, int status)
{
    PrintError(EmulatorText::tr("ticket-printer-emu: %1").arg(why));
    PrintError(EmulatorText::tr("Try \"ticket-printer-emu --help\" for more information."));
    return status;
}

// The options of both modes; each mode refuses the other's.
struct OptionSet
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            EmulatorText::tr("Show this help and quit.")};
    QCommandLineOption version{QStringLiteral("version"), EmulatorText::tr("Show the version and quit.")};
    QCommandLineOption out{
        {QStringLiteral("o"), QStringLiteral("output")},
        EmulatorText::tr("Write what the printer keeps to <dir>: state.txt, template.json, the "
                         "page and glyph pictures and a sample ticket.png."),
        QStringLiteral("dir")};
    QCommandLineOption streamOut{QStringLiteral("stream-out"),
                                 EmulatorText::tr("live: keep every byte the printer receives in <file>."),
                                 QStringLiteral("file")};
    QCommandLineOption status{QStringLiteral("status"),
                              EmulatorText::tr("live: the port status the printer reports, 0x18 (ready, the "
                                               "default), 0x38 (paper empty) or 0x30 (error)."),
                              QStringLiteral("byte"), QStringLiteral("0x18")};
    QCommandLineOption rate{
        QStringLiteral("rate"),
        EmulatorText::tr("live: the printer takes at most <bytes> a second (default: all at "
                         "once)."),
        QStringLiteral("bytes")};
    QCommandLineOption ticket{QStringLiteral("ticket"),
                              EmulatorText::tr("The sample ticket's number (default 1)."),
                              QStringLiteral("n")};
    QCommandLineOption waiting{QStringLiteral("waiting"),
                               EmulatorText::tr("The sample ticket's waiting count (default 0)."),
                               QStringLiteral("n")};
    QCommandLineOption serving{QStringLiteral("serving"),
                               EmulatorText::tr("The sample ticket's number being served (default 0)."),
                               QStringLiteral("n")};
    QCommandLineOption time{QStringLiteral("time"),
                            EmulatorText::tr("The sample ticket's time, \"YYYY-MM-DD HH:MM:SS\" (default "
                                             "2024-03-01 08:30:00)."),
                            QStringLiteral("time")};

    QCommandLineOption worstCase{
        QStringLiteral("worst-case"),
        EmulatorText::tr("Fill every field of the sample ticket with its widest value instead: the widest "
                         "digit of its glyph set in every position, so a field too narrow for busy days "
                         "shows cut off.")};

    void AddTo(QCommandLineParser& parser) const
    {
        parser.addOptions(
            {help, version, out, streamOut, status, rate, ticket, waiting, serving, time, worstCase});
    }
};

// Reads the option values both modes share into options; an error message
// when one is not a value the printer could hold.
QString ReadTicketOptions(const QCommandLineParser& parser, const OptionSet& set, EmulatorOptions& options)
{
    const std::pair<const QCommandLineOption*, int*> numbers[] = {
        {&set.ticket, &options.ticket.ticket},
        {&set.waiting, &options.ticket.waiting},
        {&set.serving, &options.ticket.serving},
    };
    for (const auto& [option, value] : numbers) {
        if (parser.isSet(*option) && !ParseDecimal(parser.value(*option), kMaxFieldNumber, value)) {
            return EmulatorText::tr("--%1 needs a decimal number from 0 to %2, not \"%3\"")
                .arg(option->names().constFirst())
                .arg(kMaxFieldNumber)
                .arg(parser.value(*option));
        }
    }
    if (parser.isSet(set.time)) {
        const QDateTime t =
            QDateTime::fromString(parser.value(set.time), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!t.isValid()) {
            return EmulatorText::tr("--time needs \"YYYY-MM-DD HH:MM:SS\", not \"%1\"")
                .arg(parser.value(set.time));
        }
        options.ticket.time = device::ToLocalDateTime(t);
    }
    options.ticket.worstCase = parser.isSet(set.worstCase);
    options.outDir = parser.value(set.out);
    return {};
}

QString ReadLiveOptions(const QCommandLineParser& parser, const OptionSet& set, EmulatorOptions& options)
{
    if (!ParseStatusByte(parser.value(set.status), &options.status)) {
        return EmulatorText::tr("--status needs a byte, 0x00 to 0xFF or 0 to 255, not \"%1\"")
            .arg(parser.value(set.status));
    }
    if (parser.isSet(set.rate) &&
        (!ParseDecimal(parser.value(set.rate), kMaxBytesPerSecond, &options.bytesPerSecond) ||
         options.bytesPerSecond == 0)) {
        return EmulatorText::tr("--rate needs a decimal number of bytes from 1 to %1, not \"%2\"")
            .arg(kMaxBytesPerSecond)
            .arg(parser.value(set.rate));
    }
    options.streamOut = parser.value(set.streamOut);
    for (const QString& arg : parser.positionalArguments()) {
        options.command.push_back(arg.toStdString());
    }
    if (options.command.empty()) {
        return EmulatorText::tr("live needs a command to run");
    }
    return {};
}

QString ReadDecodeOptions(const QCommandLineParser& parser, const OptionSet& set, EmulatorOptions& options)
{
    for (const QCommandLineOption* liveOnly : {&set.streamOut, &set.status, &set.rate}) {
        if (parser.isSet(*liveOnly)) {
            return EmulatorText::tr("--%1 is for live only").arg(liveOnly->names().constFirst());
        }
    }
    if (parser.positionalArguments().size() != 1 || options.outDir.isEmpty()) {
        return EmulatorText::tr("decode takes one stream and -o DIR");
    }
    options.stream = parser.positionalArguments().constFirst();
    return {};
}

} // namespace

void PrintError(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

std::optional<int> ParseEmulatorOptions(const QStringList& arguments, EmulatorOptions& options)
{
    const OptionSet set;
    QCommandLineParser parser;
    parser.setApplicationDescription(EmulatorText::tr(
        "Plays the queue-ticket printer. decode checks a captured byte stream frame by frame and "
        "writes what the printer would keep; live runs a command against an emulated printer on "
        "/dev/usb/lp0 and decodes what it sends."));
    set.AddTo(parser);
    // The mode first; what follows it is read again with the mode's rules.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(arguments)) {
        return UsageError(parser.errorText(), kEmuUsage);
    }
    if (parser.isSet(set.help)) {
        PrintOut(ProgramHelp(parser));
        return kEmuOk;
    }
    if (parser.isSet(set.version)) {
        PrintOut(QStringLiteral("ticket-printer-emu ") + QStringLiteral(TICKET_VERSION));
        return kEmuOk;
    }
    QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        return UsageError(EmulatorText::tr("a mode is missing: decode or live"), kEmuUsage);
    }
    const QString mode = rest.takeFirst();
    if (mode != u"decode" && mode != u"live") {
        return UsageError(EmulatorText::tr("unknown mode %1").arg(mode), kEmuUsage);
    }
    const bool live = mode == u"live";
    options.mode = live ? EmulatorOptions::Mode::Live : EmulatorOptions::Mode::Decode;
    const int usage = live ? kLiveFailed : kEmuUsage;
    // Everything after a live command's name is the command's own.
    parser.setOptionsAfterPositionalArgumentsMode(live ? QCommandLineParser::ParseAsPositionalArguments
                                                       : QCommandLineParser::ParseAsOptions);
    if (!parser.parse(QStringList{arguments.value(0)} + rest)) {
        return UsageError(parser.errorText(), usage);
    }
    if (parser.isSet(set.help) || parser.isSet(set.version)) {
        return ParseEmulatorOptions({arguments.value(0), parser.isSet(set.help)
                                                             ? QStringLiteral("--help")
                                                             : QStringLiteral("--version")},
                                    options);
    }
    QString error = ReadTicketOptions(parser, set, options);
    if (error.isEmpty()) {
        error = live ? ReadLiveOptions(parser, set, options) : ReadDecodeOptions(parser, set, options);
    }
    if (!error.isEmpty()) {
        return UsageError(error, usage);
    }
    return std::nullopt;
}

} // namespace emulator
