// "render": what the designer shows of a template, as a PNG.
#include "CliCommand.h"
#include "CommandLine.h"
#include "OutputFile.h"
#include "TemplateLoading.h"
#include "TicketOptions.h"

#include "controls/PaintManagerUI.h"
#include "device/MonoPicture.h"
#include "device/PageRaster.h"
#include "device/UploadEncoder.h"
#include "document/DesignerDoc.h"
#include "platform/DrawingContext.h"
#include "platform/Luminance.h"

#include <QBuffer>
#include <QImage>


namespace cli {

namespace {

// A page larger than this is no ticket; refusing it keeps a hostile
// template from exhausting memory.
constexpr qint64 kMaxPagePixels = 16LL * 1024 * 1024;

enum class RenderMode
{
    Design,  // the page as the design view shows it
    Static,  // only what is printed from the page image
    Preview, // the black-and-white print preview
    Device,  // the page image exactly as the printer receives it
    Ticket,  // a ticket as the printer prints it, its fields filled in
};

QImage RenderPage(MarkupUI::CFormUI& form, platform::Size size, RenderMode mode)
{
    QImage image(size.cx, size.cy, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    image.fill(Qt::white);
    const platform::Rect page{0, 0, size.cx, size.cy};
    {
        platform::DrawingContext dc(image);
        if (mode == RenderMode::Static) {
            form.DoPaintStatic(dc, page);
        } else {
            form.DoPaint(dc, page);
        }
    }
    if (mode == RenderMode::Preview) {
        platform::ReduceToBlackAndWhite(image, image.rect());
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// The picture as PNG bytes; empty when it could not be encoded.
QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return {};
    }
    return bytes;
}

int WritePng(const QImage& image, const QString& path)
{
    const QByteArray png = PngBytes(image);
    if (png.isEmpty()) {
        PrintError(CliText::tr("ticket-cli: cannot write %1: %2").arg(path, CliText::tr("out of memory")));
        return kExitWriteFailed;
    }
    return WriteOutput(path, png) ? kExitOk : kExitWriteFailed;
}

} // namespace

int RunRender(const CliCommand& command, const QStringList& arguments)
{
    CommandLine line(command);
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    CliText::tr("Write the PNG picture to <file> (\"-\": standard output)."),
                                    QStringLiteral("file"));
    const QCommandLineOption modeOption(
        QStringLiteral("mode"),
        CliText::tr("What to draw: design (the page as the designer shows it, the default), static (only "
                    "what is printed from the page image), preview (the black-and-white print preview), "
                    "device (the printer's 1-bit page image) or ticket (a ticket as the printer prints it, "
                    "in its dots, the fields filled in)."),
        QStringLiteral("mode"), QStringLiteral("design"));
    const TicketOptions ticketOptions;
    line.AddOption(output);
    line.AddOption(modeOption);
    ticketOptions.AddTo(line);
    line.AddOperand(QStringLiteral("TEMPLATE.vt"), CliText::tr("The template to draw."));
    if (const auto done = line.Parse(arguments, 1, 1)) {
        return *done;
    }
    const QString modeName = line.Value(modeOption);
    RenderMode mode = RenderMode::Design;
    if (modeName == u"static") {
        mode = RenderMode::Static;
    } else if (modeName == u"preview") {
        mode = RenderMode::Preview;
    } else if (modeName == u"device") {
        mode = RenderMode::Device;
    } else if (modeName == u"ticket") {
        mode = RenderMode::Ticket;
    } else if (modeName != u"design") {
        return line.UsageError(CliText::tr("unknown render mode %1").arg(modeName));
    }
    device::TicketValues values;
    if (mode != RenderMode::Ticket && ticketOptions.AnySet(line)) {
        return line.UsageError(CliText::tr("the ticket values go with --mode ticket only"));
    }
    if (const auto wrong = ticketOptions.Read(line, values)) {
        return line.UsageError(*wrong);
    }
    const QString out = line.Value(output);
    if (out.isEmpty()) {
        return line.UsageError(CliText::tr("-o FILE is missing"));
    }
    const QString path = line.Operands().first();
    document::CDesignerDoc doc;
    if (const int opened = OpenTemplate(path, doc); opened != kExitOk) {
        return opened;
    }
    if (mode == RenderMode::Ticket) {
        // What the emulated printer prints from the same upload, by the same code.
        const QImage ticket =
            device::ToMonoPicture(device::ComposeTicket(device::UploadedTemplateOf(*doc.GetForm()), values));
        if (ticket.isNull()) {
            PrintError(CliText::tr("ticket-cli: %1 has no printable area").arg(path));
            return kExitCannotRender;
        }
        return WritePng(ticket, out);
    }
    if (mode == RenderMode::Device) {
        const QImage mono = device::ToMonoPicture(device::PackImageBits(device::RenderPageImage(*doc.GetForm())));
        if (mono.isNull()) {
            PrintError(CliText::tr("ticket-cli: %1 has no printable area").arg(path));
            return kExitCannotRender;
        }
        return WritePng(mono, out);
    }
    const platform::Size size = doc.GetPaintManager()->GetInitSize();
    if (size.cx <= 0 || size.cy <= 0 || qint64(size.cx) * size.cy > kMaxPagePixels) {
        PrintError(CliText::tr("ticket-cli: the page of %1 is %2 x %3 pixels, which cannot be rendered")
                       .arg(path)
                       .arg(size.cx)
                       .arg(size.cy));
        return kExitCannotRender;
    }
    return WritePng(RenderPage(*doc.GetForm(), size, mode), out);
}

} // namespace cli
