#include "emulator/StateWriter.h"

#include "emulator/StateExport.h"
#include "emulator/StateReport.h"

#include <QImage>
#include <QString>

#include <fstream>

namespace emulator {

namespace {

class Writer
{
public:
    explicit Writer(const std::filesystem::path& dir) : m_dir(dir) {}

    void Bytes(const std::string& name, const std::string& bytes)
    {
        std::ofstream file(m_dir / name, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            Fail(name);
        }
    }

    void Picture(const std::string& name, const QImage& image)
    {
        const QString path = QString::fromStdString((m_dir / name).string());
        if (image.isNull() || !image.save(path, "PNG")) {
            Fail(name);
        }
    }

    const std::string& error() const { return m_error; }

private:
    void Fail(const std::string& name)
    {
        if (m_error.empty()) {
            m_error = "cannot write " + (m_dir / name).string();
        }
    }

    std::filesystem::path m_dir;
    std::string m_error;
};

} // namespace

bool WriteState(const PrinterState& state, const device::TicketValues& values, const std::filesystem::path& dir,
                std::string& error)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        error = "cannot create " + dir.string() + ": " + ec.message();
        return false;
    }
    Writer out(dir);
    out.Bytes("state.txt", DescribeState(state));
    const QByteArray json = StateJson(state);
    out.Bytes("template.json", json.toStdString());
    if (state.printedImage) {
        out.Bytes("printed.pbm", ToPbm(*state.printedImage));
        if (!state.printedImage->IsEmpty()) {
            out.Picture("printed.png", ToImage(*state.printedImage));
        }
    }
    if (const auto& upload = state.uploadedTemplate) {
        out.Bytes("page.pbm", ToPbm(upload->pageImage));
        for (const GlyphSet& set : upload->glyphSets) {
            for (const DecodedGlyph& glyph : set.glyphs) {
                out.Bytes("glyph-" + std::to_string(set.index) + "-" + std::to_string(glyph.position) +
                              ".pbm",
                          ToPbm(glyph.bitmap));
            }
            if (!set.glyphs.empty()) {
                out.Picture("glyphset-" + std::to_string(set.index) + ".png", GlyphSetImage(set));
            }
        }
        // A page without dots has no picture to show.
        if (!upload->pageImage.IsEmpty()) {
            out.Picture("page.png", ToImage(upload->pageImage));
            out.Picture("ticket.png", ToImage(device::ComposeTicket(*upload, values)));
        }
    }
    error = out.error();
    return error.empty();
}

} // namespace emulator
