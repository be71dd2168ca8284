// ticket-printer-emu: shows what the queue-ticket printer would keep and print
// from a byte stream, or plays the printer for a program.

#include "EmulatorOptions.h"
#include "emulator/LivePrinter.h"
#include "emulator/StateReport.h"
#include "emulator/StateWriter.h"
#include "emulator/StreamDecoder.h"
#include "emulator/StreamFile.h"

#include "RuntimeFolder.h"
#include "TicketVersion.h"
#include "app/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace emulator {

namespace {

QString Local(const std::string& text)
{
    return QString::fromStdString(text);
}

// Decodes the stream and writes the report if asked. Whether the stream is
// sound; written is false when the report could not be written.
bool Report(const std::vector<std::uint8_t>& stream, const QString& source, const EmulatorOptions& options,
            bool& written)
{
    PrinterState state;
    const auto fault = DecodeStream(stream, state);
    written = true;
    if (!options.outDir.isEmpty()) {
        // What completed before a fault is kept, as the printer would keep it.
        std::string error;
        written = WriteState(state, options.ticket, options.outDir.toStdString(), error);
        if (!written) {
            PrintError(EmulatorText::tr("ticket-printer-emu: %1").arg(Local(error)));
        }
    }
    if (fault) {
        PrintError(EmulatorText::tr("ticket-printer-emu: %1: %2").arg(source, Local(fault->ToString())));
    }
    return !fault;
}

int RunDecode(const EmulatorOptions& options)
{
    std::vector<std::uint8_t> stream;
    std::string error;
    if (!ReadStreamFile(options.stream.toStdString(), stream, error)) {
        PrintError(EmulatorText::tr("ticket-printer-emu: %1").arg(Local(error)));
        return kEmuFilesFailed;
    }
    bool written = true;
    const bool sound = Report(stream, options.stream, options, written);
    if (!written) {
        return kEmuFilesFailed;
    }
    return sound ? kEmuOk : kEmuStreamFault;
}

// How the command ended, in words, so that its status is never read as ours.
void TellCommandStatus(const std::string& program, int status)
{
    if (status > 128) {
        PrintError(EmulatorText::tr("ticket-printer-emu: %1 was killed by signal %2")
                       .arg(Local(program))
                       .arg(status - 128));
    } else {
        PrintError(
            EmulatorText::tr("ticket-printer-emu: %1 exited with status %2").arg(Local(program)).arg(status));
    }
}

int RunLive(const EmulatorOptions& options)
{
    const LiveResult live = RunLivePrinter({options.command, options.status, options.bytesPerSecond});
    if (!live.error.empty()) {
        PrintError(EmulatorText::tr("ticket-printer-emu: %1").arg(Local(live.error)));
        if (live.spawnError == ENOENT) {
            return kLiveNotFound;
        }
        return live.spawnError != 0 ? kLiveCannotRun : kLiveFailed;
    }
    bool failed = false;
    if (!options.streamOut.isEmpty()) {
        std::ofstream file(options.streamOut.toStdString(), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(live.stream.data()),
                   static_cast<std::streamsize>(live.stream.size()));
        if (!file) {
            PrintError(EmulatorText::tr("ticket-printer-emu: cannot write %1").arg(options.streamOut));
            failed = true;
        }
    }
    PrinterState state;
    DecodeStream(live.stream, state);
    PrintError(EmulatorText::tr("ticket-printer-emu: %1 bytes received, %2 soft resets")
                   .arg(qulonglong(live.stream.size()))
                   .arg(live.softResets));
    const QByteArray described = QByteArray::fromStdString(DescribeState(state));
    std::fwrite(described.constData(), 1, std::size_t(described.size()), stderr);
    bool written = true;
    const bool sound = Report(live.stream, EmulatorText::tr("printer stream"), options, written);
    TellCommandStatus(options.command.front(), live.exitStatus);
    if (failed || !written) {
        return kLiveFailed;
    }
    // The command's own failure says the most; a fault in what a successful
    // command sent is the printer's to report.
    if (live.exitStatus == 0 && !sound) {
        return kLiveStreamFault;
    }
    return live.exitStatus;
}

// Messages in Chinese under a Chinese locale, as in the designer.
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

} // namespace

} // namespace emulator

int main(int argc, char** argv)
{
    // PNG writing needs QtGui, never a display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    if (argc >= 2 && std::string(argv[1]) == "live") {
        emulator::RunUnderPreload(argv);
    }
    // Runs without a session need Qt's runtime folder; only a private one.
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        const QByteArray runtime = cli::PrivateRuntimeFolder(QFile::encodeName(QDir::tempPath()), getuid());
        if (!runtime.isEmpty()) {
            setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
        }
    }
    // Every argument is ours or the command's: Qt is given none to take.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ticket-printer-emu"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TICKET_VERSION));
    emulator::InstallTranslators(app);

    emulator::EmulatorOptions options;
    if (const auto done = emulator::ParseEmulatorOptions(arguments, options)) {
        return *done;
    }
    return options.mode == emulator::EmulatorOptions::Mode::Live ? emulator::RunLive(options)
                                                                 : emulator::RunDecode(options);
}
