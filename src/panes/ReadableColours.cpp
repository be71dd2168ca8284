#include "panes/ReadableColours.h"

#include <algorithm>
#include <cmath>

namespace panes {

namespace {

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& c)
{
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

constexpr double kReadable = 4.5;

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkPalette(const QPalette& palette)
{
    return RelativeLuminance(palette.color(QPalette::Base)) < 0.2;
}

QColor ReadableOn(const QColor& background, const QColor& preferred)
{
    if (ContrastRatio(background, preferred) >= kReadable) {
        return preferred;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
}

QImage ShownOnDark(const QImage& picture, const QColor& ink)
{
    QImage shown = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            const QColor pixel = QColor::fromRgba(line[x]);
            // Dark, or dull and darkish: the drawing's ink. Its bright
            // accents keep their colour.
            const bool inkLike =
                pixel.valueF() < 0.35f || (pixel.hsvSaturationF() < 0.45f && pixel.valueF() < 0.55f);
            if (inkLike && pixel.alpha() > 0) {
                line[x] = qRgba(ink.red(), ink.green(), ink.blue(), pixel.alpha());
            }
        }
    }
    return shown;
}

} // namespace panes
