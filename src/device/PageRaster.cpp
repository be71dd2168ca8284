#include "device/PageRaster.h"

#include "controls/PaintManagerUI.h"
#include "device/DotPacking.h"
#include "elements/FormUI.h"
#include "platform/AreaStretch.h"
#include "platform/DrawingContext.h"
#include "platform/Luminance.h"

namespace device {

namespace {
// Pages beyond this are not rendered (a page is a few hundred dots wide).
constexpr int64_t kMaxPagePixels = int64_t(64) << 20;

bool Reasonable(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= 65535 && height <= 65535 && width * height <= kMaxPagePixels;
}
} // namespace

QImage RenderPageImage(MarkupUI::CFormUI& form)
{
    const int devWidth = form.GetPrintableWidthDots();
    const int devHeight = form.GetPrintableHeightDots();
    if (!Reasonable(devWidth, devHeight)) {
        // Nothing printable, or more than the image header can describe: the
        // printer gets an image frame without bits.
        return QImage();
    }
    QImage page(devWidth, devHeight, QImage::Format_RGB32);
    page.fill(Qt::white);

    const platform::Size surface =
        form.GetManager() != nullptr ? form.GetManager()->GetInitSize() : platform::Size{form.GetWidth(), form.GetHeight()};
    const int viewWidth = form.GetPrintableWidthView();
    const int viewHeight = form.GetPrintableHeightView();
    if (!Reasonable(surface.cx, surface.cy) || viewWidth <= 0 || viewHeight <= 0) {
        return page;
    }
    QImage canvas(surface.cx, surface.cy, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        platform::DrawingContext dc(canvas);
        form.DoPaintStatic(dc, platform::Rect{0, 0, surface.cx, surface.cy});
    }
    const platform::Rect margins = form.GetMargins();
    const platform::Rect source{margins.left, margins.top, margins.left + viewWidth, margins.top + viewHeight};
    const QImage scaled = platform::StretchAreaAveraged(canvas, source, platform::Size{devWidth, devHeight},
                                                        platform::Rect{0, 0, devWidth, devHeight});
    if (!scaled.isNull()) {
        page = scaled.convertToFormat(QImage::Format_RGB32);
    }
    return page;
}

PackedImage PackImageBits(const QImage& image)
{
    return PackDots(image, [](QRgb pixel) { return platform::IsInk(pixel); });
}

} // namespace device
