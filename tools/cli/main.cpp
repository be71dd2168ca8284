// ticket-cli: the designer's document, rendering and device code for
// scripts and for technicians deploying templates, without a display.
#include "CliCommand.h"

#include "platform/HeapTuning.h"
#include "platform/Logger.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <unistd.h>

#include <cstdlib>
#include <iterator>

namespace {

const cli::CliCommand kCommands[] = {
    {"dump", "dump TEMPLATE.vt [--json]", "print the form's settings and every element", cli::RunDump},
    {"new", "new OUT.vt [--paper 58|80]", "write a new, empty template", cli::RunNew},
    {"render", "render TEMPLATE.vt -o OUT.png [--mode design|static|preview|device]",
     "draw the page as the designer shows it (design), its printed part (static), the print preview, or the "
     "printer's 1-bit page image (device)",
     cli::RunRender},
    {"save", "save IN.vt OUT.vt", "open a template and save it under another name", cli::RunSave},
    {"set-clock", "set-clock [--at \"YYYY-MM-DD HH:MM:SS\"] [--device /dev/usb/lpN]",
     "set the printer's clock to now or to the given local time", cli::RunSetClock},
    {"status", "status [--device /dev/usb/lpN]", "show the printer's port status", cli::RunStatus},
    {"encode", "encode upload|print|clock [TEMPLATE.vt] -o OUT.bin [--buffer-sizes FILE] [--at TIME]",
     "write the bytes a transaction sends, and optionally its buffer sizes", cli::RunEncode},
    {"upload", "upload TEMPLATE.vt [--device /dev/usb/lpN]", "upload a template to the printer", cli::RunUpload},
    {"print", "print TEMPLATE.vt [--device /dev/usb/lpN]", "print a template's static page at once", cli::RunPrint},
};

void PrintHelp()
{
    cli::PrintOut(cli::Tr("usage: ticket-cli COMMAND [ARGUMENTS]"));
    cli::PrintOut(QString());
    for (const cli::CliCommand& command : kCommands) {
        cli::PrintOut(
            QStringLiteral("  %1\n      %2").arg(QString::fromUtf8(command.usage), cli::Tr(command.summary)));
    }
}

} // namespace

int main(int argc, char** argv)
{
    platform::TuneHeapForPageImages();
    // Fonts and images need a GUI application, but never a display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // Scripts and services often run without a session; give Qt the private
    // runtime folder it would pick anyway, without a warning on every run.
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        const QByteArray runtime =
            QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
        if (QDir().mkpath(QString::fromLocal8Bit(runtime))) {
            QFile::setPermissions(QString::fromLocal8Bit(runtime),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
        }
    }
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("morra"));
    QCoreApplication::setApplicationName(QStringLiteral("ticket-cli"));
    platform::InitLogging();

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == u"--help" || args.first() == u"-h" || args.first() == u"help") {
        PrintHelp();
        return args.isEmpty() ? cli::kExitUsage : cli::kExitOk;
    }
    const QString name = args.takeFirst();
    for (const cli::CliCommand& command : kCommands) {
        if (name == QLatin1String(command.name)) {
            return command.run(args);
        }
    }
    cli::PrintError(cli::Tr("ticket-cli: unknown command %1").arg(name));
    PrintHelp();
    return cli::kExitUsage;
}
