// "render": what the designer shows of a template, as a PNG.
#include "CliCommand.h"
#include "TemplateLoading.h"

#include "controls/PaintManagerUI.h"
#include "device/PageRaster.h"
#include "document/DesignerDoc.h"
#include "platform/DrawingContext.h"
#include "platform/Luminance.h"

#include <QImage>
#include <QSaveFile>

#include <cstring>

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
};

// The printer's 1-bit page as a picture: a set bit is ink (black).
QImage ToMonoImage(const device::PackedImage& packed)
{
    QImage image(packed.width, packed.height, QImage::Format_Mono);
    if (image.isNull()) {
        return image;
    }
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    const int rowBytes = (packed.width + 7) / 8;
    for (int y = 0; y < packed.height; ++y) {
        std::memcpy(image.scanLine(y), packed.bits.data() + std::size_t(y) * rowBytes, std::size_t(rowBytes));
    }
    return image;
}

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

bool WritePng(const QImage& image, const QString& path, QString* whyNot)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        *whyNot = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int RunRender(const QStringList& arguments)
{
    static const char* usage = "render TEMPLATE.vt -o OUT.png [--mode design|static|preview|device]";
    QStringList args = arguments;
    QString output;
    QString modeName = QStringLiteral("design");
    if (!TakeOption(args, QStringLiteral("-o"), &output) ||
        !TakeOption(args, QStringLiteral("--mode"), &modeName) || !RejectUnknownOptions(args, usage)) {
        return kExitUsage;
    }
    RenderMode mode = RenderMode::Design;
    if (modeName == u"static") {
        mode = RenderMode::Static;
    } else if (modeName == u"preview") {
        mode = RenderMode::Preview;
    } else if (modeName == u"device") {
        mode = RenderMode::Device;
    } else if (modeName != u"design") {
        PrintError(Tr("ticket-cli: unknown render mode %1").arg(modeName));
        return kExitUsage;
    }
    if (args.size() != 1 || output.isEmpty()) {
        PrintError(Tr("usage: ticket-cli %1").arg(QString::fromUtf8(usage)));
        return kExitUsage;
    }
    document::CDesignerDoc doc;
    if (const int opened = OpenTemplate(args.first(), doc); opened != kExitOk) {
        return opened;
    }
    if (mode == RenderMode::Device) {
        const QImage mono = ToMonoImage(device::PackImageBits(device::RenderPageImage(*doc.GetForm())));
        if (mono.isNull()) {
            PrintError(Tr("ticket-cli: %1 has no printable area").arg(args.first()));
            return kExitCannotOpen;
        }
        QString whyNot;
        if (!WritePng(mono, output, &whyNot)) {
            PrintError(Tr("ticket-cli: cannot write %1: %2").arg(output, whyNot));
            return kExitWriteFailed;
        }
        return kExitOk;
    }
    const platform::Size size = doc.GetPaintManager()->GetInitSize();
    if (size.cx <= 0 || size.cy <= 0 || qint64(size.cx) * size.cy > kMaxPagePixels) {
        PrintError(Tr("ticket-cli: the page of %1 is %2 x %3 pixels, which cannot be rendered")
                       .arg(args.first())
                       .arg(size.cx)
                       .arg(size.cy));
        return kExitCannotOpen;
    }
    const QImage image = RenderPage(*doc.GetForm(), size, mode);
    QString whyNot = Tr("out of memory");
    if (image.isNull() || !WritePng(image, output, &whyNot)) {
        PrintError(Tr("ticket-cli: cannot write %1: %2").arg(output, whyNot));
        return kExitWriteFailed;
    }
    return kExitOk;
}

} // namespace cli
