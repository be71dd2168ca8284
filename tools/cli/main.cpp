// ticket-cli: the designer's document, rendering and device code for
// scripts and for technicians deploying templates, without a display.
#include "CliCommand.h"
#include "CommandLine.h"
#include "RuntimeFolder.h"

#include "TicketVersion.h"
#include "app/Translation.h"
#include "platform/HeapTuning.h"
#include "platform/Logger.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace cli {

namespace {

const CliCommand kCommands[] = {
    {"dump", "TEMPLATE.vt [--json]",
     QT_TRANSLATE_NOOP("cli::CliText", "print the form's settings and every element"), RunDump},
    {"check", "TEMPLATE.vt [--json]",
     QT_TRANSLATE_NOOP("cli::CliText",
                       "find what will print wrong: fields too narrow for their widest value, elements "
                       "left out or cut, illegible text, vanishing strokes and pictures, missing images"),
     RunCheck},
    {"new", "OUT.vt [--paper 58|80]", QT_TRANSLATE_NOOP("cli::CliText", "write a new, empty template"),
     RunNew},
    {"render", "TEMPLATE.vt -o OUT.png [--mode design|static|preview|device]",
     QT_TRANSLATE_NOOP("cli::CliText",
                       "draw the page as the designer shows it (design), its printed part "
                       "(static), the print preview, or the printer's 1-bit page image (device)"),
     RunRender},
    {"save", "IN.vt OUT.vt",
     QT_TRANSLATE_NOOP("cli::CliText", "open a template and save it under another name"), RunSave},
    {"encode", "upload|print TEMPLATE.vt -o OUT.bin [--buffer-sizes FILE] | clock [--at TIME] -o OUT.bin",
     QT_TRANSLATE_NOOP("cli::CliText",
                       "write the bytes a transaction sends, and optionally its buffer sizes"),
     RunEncode},
    {"upload", "TEMPLATE.vt [--device /dev/usb/lpN] [--timeout SECONDS]",
     QT_TRANSLATE_NOOP("cli::CliText", "upload a template to the printer"), RunUpload},
    {"print", "TEMPLATE.vt [--device /dev/usb/lpN] [--timeout SECONDS]",
     QT_TRANSLATE_NOOP("cli::CliText", "print a template's static page at once"), RunPrint},
    {"set-clock", "[--at \"YYYY-MM-DD HH:MM:SS\"] [--device /dev/usb/lpN] [--timeout SECONDS]",
     QT_TRANSLATE_NOOP("cli::CliText", "set the printer's clock to now or to the given local time"),
     RunSetClock},
    {"status", "[--device /dev/usb/lpN]", QT_TRANSLATE_NOOP("cli::CliText", "show the printer's port status"),
     RunStatus},
};

const CliCommand* FindCommand(const QString& name)
{
    for (const CliCommand& command : kCommands) {
        if (name == QLatin1String(command.name)) {
            return &command;
        }
    }
    return nullptr;
}

QString ProgramHelp(const QCommandLineParser& parser)
{
    QString text = HelpWithUsage(parser, QStringLiteral("ticket-cli COMMAND [OPTIONS] [ARGUMENTS]"));
    text += QLatin1Char('\n') + CliText::tr("Exit status:") + QLatin1Char('\n');
    const std::pair<int, const char*> statuses[] = {
        {kExitOk, QT_TRANSLATE_NOOP("cli::CliText", "success")},
        {kExitUsage, QT_TRANSLATE_NOOP("cli::CliText", "bad arguments")},
        {kExitCannotOpen, QT_TRANSLATE_NOOP("cli::CliText", "the input cannot be read")},
        {kExitWriteFailed, QT_TRANSLATE_NOOP("cli::CliText", "the output cannot be written")},
        {kExitNoPrinter, QT_TRANSLATE_NOOP("cli::CliText", "no printer")},
        {kExitPrinterBusy, QT_TRANSLATE_NOOP("cli::CliText", "printer busy")},
        {kExitDeviceFailed, QT_TRANSLATE_NOOP("cli::CliText", "writing to the printer failed")},
        {kExitCannotRender,
         QT_TRANSLATE_NOOP("cli::CliText", "the page cannot be rendered: too large, or no printable area; "
                                           "for check: the template has errors")},
    };
    for (const auto& [status, meaning] : statuses) {
        text += QStringLiteral("  %1  %2\n").arg(status).arg(CliText::tr(meaning));
    }
    text += QLatin1Char('\n') + CliText::tr("\"ticket-cli COMMAND --help\" shows the options of a command.");
    return text;
}

QString ProgramDescription()
{
    QString text =
        CliText::tr("Opens, checks and draws queue-ticket printer templates (*.vt) and sends them to "
                    "the printer, without a display.") +
        QStringLiteral("\n\n") + CliText::tr("Commands:");
    for (const CliCommand& command : kCommands) {
        text += QStringLiteral("\n  %1 %2\n      %3")
                    .arg(QString::fromUtf8(command.name), QString::fromUtf8(command.synopsis),
                         CliText::tr(command.summary));
    }
    return text;
}

int ProgramUsageError(const QString& why)
{
    PrintError(CliText::tr("ticket-cli: %1").arg(why));
    PrintError(CliText::tr("Try \"ticket-cli --help\" for more information."));
    return kExitUsage;
}

// Reads the program's own options up to the command's name and runs the
// command on the rest.
int Run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(ProgramDescription());
    const QCommandLineOption help = HelpOption();
    const QCommandLineOption version = VersionOption();
    parser.addOption(help);
    parser.addOption(version);
    // Everything after the command's name is the command's.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(arguments)) {
        return ProgramUsageError(parser.errorText());
    }
    QStringList rest = parser.positionalArguments();
    // "ticket-cli help [COMMAND]" as well as "--help".
    const bool helpCommand = !rest.isEmpty() && rest.first() == u"help";
    if (parser.isSet(help) || (helpCommand && rest.size() == 1)) {
        PrintOut(ProgramHelp(parser));
        return kExitOk;
    }
    if (parser.isSet(version)) {
        PrintOut(VersionText());
        return kExitOk;
    }
    if (rest.isEmpty()) {
        return ProgramUsageError(CliText::tr("a command is missing"));
    }
    if (helpCommand) {
        rest = QStringList{rest.at(1), QStringLiteral("--help")};
    }
    const QString name = rest.takeFirst();
    const CliCommand* command = FindCommand(name);
    if (command == nullptr) {
        return ProgramUsageError(CliText::tr("unknown command %1").arg(name));
    }
    return command->run(*command, rest);
}

// Messages in Chinese under a Chinese locale, as in the designer; Qt's own
// texts too when its translation is installed.
void InstallTranslators(QCoreApplication& application)
{
    if (QLocale().language() != QLocale::Chinese) {
        return;
    }
    auto* ours = new QTranslator(&application);
    if (app::LoadDesignerTranslation(*ours)) {
        QCoreApplication::installTranslator(ours);
    }
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
}

// What is written to standard output must have arrived: a full disk or a
// closed pipe is a failed run, not a success.
int CheckStandardOutput(int status)
{
    errno = 0;
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) {
        return status;
    }
    PrintError(CliText::tr("ticket-cli: cannot write %1: %2")
                   .arg(CliText::tr("standard output"), QString::fromLocal8Bit(std::strerror(errno))));
    return status == kExitOk ? int(kExitWriteFailed) : status;
}

} // namespace

} // namespace cli

int main(int argc, char** argv)
{
    platform::TuneHeapForPageImages();
    // Fonts and images need a GUI application, but never a display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // Scripts and services often run without a session; give Qt the private
    // runtime folder it would pick anyway, without a warning on every run,
    // but only one that is safely ours.
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        const QByteArray runtime = cli::PrivateRuntimeFolder(QFile::encodeName(QDir::tempPath()), getuid());
        if (!runtime.isEmpty()) {
            setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
        }
    }
    // Every argument is ours: Qt is given none to take (-platform, -title...).
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("morra"));
    QCoreApplication::setApplicationName(QStringLiteral("ticket-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TICKET_VERSION));
    cli::InstallTranslators(app);
    platform::InitLogging();

    return cli::CheckStandardOutput(cli::Run(arguments));
}
