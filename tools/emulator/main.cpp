// ticket-printer-emu: shows what the queue-ticket printer would keep and print
// from a byte stream, or plays the printer for a program.

#include "emulator/LivePrinter.h"
#include "emulator/StateReport.h"
#include "emulator/StateWriter.h"
#include "emulator/StreamDecoder.h"
#include "emulator/StreamFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: ticket-printer-emu decode STREAM.bin -o DIR [TICKET OPTIONS]\n"
    "       ticket-printer-emu live [-o DIR] [--stream-out FILE] [--status BYTE] [TICKET OPTIONS]"
    " -- COMMAND [ARGS...]\n"
    "ticket options: --ticket N --waiting N --serving N --time \"YYYY-MM-DD HH:MM:SS\"\n";

int Usage(const std::string& why)
{
    if (!why.empty()) {
        std::fprintf(stderr, "ticket-printer-emu: %s\n", why.c_str());
    }
    std::fputs(kUsage, stderr);
    return 2;
}

struct Options
{
    std::vector<std::string> positional;
    std::string outDir;
    std::string streamOut;
    int status = 0x18;
    emulator::TicketValues ticket;
    std::vector<std::string> command; // after "--"
};

bool ParseNumber(const std::string& text, long low, long high, long& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 0);
    return !text.empty() && *end == '\0' && errno == 0 && value >= low && value <= high;
}

bool ParseOptions(int argc, char** argv, Options& options, std::string& error)
{
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            options.command.assign(argv + i + 1, argv + argc);
            return true;
        }
        const bool takesValue = arg == "-o" || arg == "--stream-out" || arg == "--status" ||
                                arg == "--ticket" || arg == "--waiting" || arg == "--serving" ||
                                arg == "--time";
        if (!takesValue) {
            if (arg.rfind("-", 0) == 0) {
                error = "unknown option " + arg;
                return false;
            }
            options.positional.push_back(arg);
            continue;
        }
        if (i + 1 >= argc) {
            error = arg + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        long number = 0;
        if (arg == "-o") {
            options.outDir = value;
        } else if (arg == "--stream-out") {
            options.streamOut = value;
        } else if (arg == "--time") {
            const QDateTime t = QDateTime::fromString(QString::fromStdString(value), "yyyy-MM-dd HH:mm:ss");
            if (!t.isValid()) {
                error = "--time needs \"YYYY-MM-DD HH:MM:SS\", not \"" + value + "\"";
                return false;
            }
            options.ticket.time = device::ToLocalDateTime(t);
        } else if (!ParseNumber(value, 0, arg == "--status" ? 255 : 65535, number)) {
            error = arg + " needs a number, not \"" + value + "\"";
            return false;
        } else if (arg == "--status") {
            options.status = static_cast<int>(number);
        } else {
            (arg == "--ticket"    ? options.ticket.ticket
             : arg == "--waiting" ? options.ticket.waiting
                                  : options.ticket.serving) = static_cast<int>(number);
        }
    }
    return true;
}

// Decodes the stream, writes the report if asked; 0 when the stream was sound.
int Report(const std::vector<std::uint8_t>& stream, const std::string& source, const Options& options)
{
    emulator::PrinterState state;
    const auto fault = emulator::DecodeStream(stream, state);
    bool written = true;
    if (!options.outDir.empty()) {
        // What completed before a fault is kept, as the printer would keep it.
        std::string error;
        written = emulator::WriteState(state, options.ticket, options.outDir, error);
        if (!written) {
            std::fprintf(stderr, "ticket-printer-emu: %s\n", error.c_str());
        }
    }
    if (fault) {
        std::fprintf(stderr, "ticket-printer-emu: %s: %s\n", source.c_str(), fault->ToString().c_str());
        return 1;
    }
    return written ? 0 : 1;
}

int RunDecode(const Options& options)
{
    if (options.positional.size() != 1 || options.outDir.empty() || !options.command.empty()) {
        return Usage("decode takes one stream and -o DIR");
    }
    std::vector<std::uint8_t> stream;
    std::string error;
    if (!emulator::ReadStreamFile(options.positional.front(), stream, error)) {
        std::fprintf(stderr, "ticket-printer-emu: %s\n", error.c_str());
        return 1;
    }
    return Report(stream, options.positional.front(), options);
}

// The program's exit status when it and the stream were sound, else 1.
int RunLive(const Options& options)
{
    if (options.command.empty() || !options.positional.empty()) {
        return Usage("live needs -- COMMAND");
    }
    const emulator::LiveResult live = emulator::RunLivePrinter({options.command, options.status});
    if (!live.error.empty()) {
        std::fprintf(stderr, "ticket-printer-emu: %s\n", live.error.c_str());
        return 1;
    }
    if (!options.streamOut.empty()) {
        std::ofstream file(options.streamOut, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(live.stream.data()),
                   static_cast<std::streamsize>(live.stream.size()));
        if (!file) {
            std::fprintf(stderr, "ticket-printer-emu: cannot write %s\n", options.streamOut.c_str());
            return 1;
        }
    }
    emulator::PrinterState state;
    emulator::DecodeStream(live.stream, state);
    std::fprintf(stderr, "ticket-printer-emu: %zu bytes received, %d soft resets\n%s", live.stream.size(),
                 live.softResets, emulator::DescribeState(state).c_str());
    const int decoded = Report(live.stream, "printer stream", options);
    return decoded != 0 ? decoded : live.exitStatus;
}

} // namespace

int main(int argc, char** argv)
{
    // PNG writing needs QtGui, never a display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    if (argc >= 2 && std::string(argv[1]) == "live") {
        emulator::RunUnderPreload(argv);
    }
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        return Usage("");
    }
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        return Usage(error);
    }
    const std::string mode = argv[1];
    if (mode == "decode") {
        return RunDecode(options);
    }
    if (mode == "live") {
        return RunLive(options);
    }
    return Usage("unknown mode " + mode);
}
