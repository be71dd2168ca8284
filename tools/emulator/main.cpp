// ticket-printer-emu: shows what the queue-ticket printer would keep from a byte stream.

#include "emulator/StateReport.h"
#include "emulator/StreamDecoder.h"
#include "emulator/StreamFile.h"

#include <QCoreApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr const char* kUsage = "usage: ticket-printer-emu decode STREAM.bin -o DIR\n";

bool WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "ticket-printer-emu: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

// state.txt, page.pbm and one PBM per glyph for the template, printed.pbm for the last print.
bool WriteState(const emulator::PrinterState& state, const std::filesystem::path& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "ticket-printer-emu: cannot create %s: %s\n", dir.string().c_str(),
                     ec.message().c_str());
        return false;
    }
    bool ok = WriteFile(dir / "state.txt", emulator::DescribeState(state));
    if (state.printedImage) {
        ok = WriteFile(dir / "printed.pbm", emulator::ToPbm(*state.printedImage)) && ok;
    }
    if (state.uploadedTemplate) {
        ok = WriteFile(dir / "page.pbm", emulator::ToPbm(state.uploadedTemplate->pageImage)) && ok;
        for (const emulator::GlyphSet& set : state.uploadedTemplate->glyphSets) {
            for (const emulator::DecodedGlyph& glyph : set.glyphs) {
                const std::string name =
                    "glyph-" + std::to_string(set.index) + "-" + std::to_string(glyph.position) + ".pbm";
                ok = WriteFile(dir / name, emulator::ToPbm(glyph.bitmap)) && ok;
            }
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 5 || std::string(argv[1]) != "decode" || std::string(argv[3]) != "-o") {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::vector<std::uint8_t> stream;
    std::string error;
    if (!emulator::ReadStreamFile(argv[2], stream, error)) {
        std::fprintf(stderr, "ticket-printer-emu: %s\n", error.c_str());
        return 1;
    }
    emulator::PrinterState state;
    const auto fault = emulator::DecodeStream(stream, state);
    // What completed before a fault is kept, as the printer would keep it.
    const bool written = WriteState(state, argv[4]);
    if (fault) {
        std::fprintf(stderr, "ticket-printer-emu: %s: %s\n", argv[2], fault->ToString().c_str());
        return 1;
    }
    return written ? 0 : 1;
}
