#include "platform/FontDescription.h"

#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace platform {

void FontDescription::SetFaceName(QStringView face)
{
    qsizetype length = std::min(face.size(), kMaxFaceLength);
    // A cut between the halves of a surrogate pair would leave an invalid
    // name behind; drop the lone high half instead.
    if (length < face.size() && length > 0 && face[length - 1].isHighSurrogate()) {
        --length;
    }
    m_faceName = face.left(length).toString();
}

namespace {
// The cell height of a font of pixel size one hundred, measured on the same
// kind of surface everything is drawn on.
double CellHeightPerPixel(const QFont& font)
{
    QFont probe(font);
    probe.setPixelSize(100);
    QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
    const QFontMetricsF metrics(probe, &surface);
    const double cell = metrics.ascent() + metrics.descent();
    return cell > 0.0 ? cell / 100.0 : 1.0;
}
} // namespace

QFont ToQFont(const FontDescription& d)
{
    QFont font;
    if (!d.FaceName().isEmpty()) {
        font.setFamily(d.FaceName());
    }
    // Qt accepts weights 1 to 1000 on the same scale; 0 means "don't care".
    const int weight = d.weight <= 0 ? kFontWeightNormal : std::min(d.weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(d.italic);
    font.setUnderline(d.underline);
    font.setStrikeOut(d.strikeOut);

    // Qt's pixel size is the em height; a positive height asks for the
    // cell height instead, so scale by the face's cell-to-em ratio.
    constexpr int64_t kMaxPixels = 4096;
    int pixels = kDefaultFontPixelHeight;
    if (d.height < 0) {
        pixels = static_cast<int>(std::min<int64_t>(-int64_t(d.height), kMaxPixels));
    } else if (d.height > 0) {
        const double em = std::round(d.height / CellHeightPerPixel(font));
        pixels = static_cast<int>(std::clamp<double>(em, 1.0, double(kMaxPixels)));
    }
    font.setPixelSize(std::max(pixels, 1));
    return font;
}

} // namespace platform
