#include "platform/Luminance.h"

namespace platform {

double Luminance(int red, int green, int blue)
{
    // The order of the sum matters: grey 128 must come out just below 128.
    return (0.587 * green + 0.299 * red) + 0.114 * blue;
}

bool IsInk(int red, int green, int blue)
{
    return Luminance(red, green, blue) < 128.0;
}

void ReduceToBlackAndWhite(QImage& image, const QRect& area)
{
    const QRect clipped = area.intersected(image.rect());
    if (clipped.isEmpty()) {
        return;
    }
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied) {
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    }
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            line[x] = IsInk(line[x]) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    }
}

} // namespace platform
