#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace MarkupUI {

// Images come from template files, which may be hostile: anything larger
// than a ticket could ever show is refused before it is decoded.
struct ImageLimits
{
    qint64 maxEncodedBytes = 16 * 1024 * 1024;
    int maxSide = 8192;
    qint64 maxPixels = 4096LL * 4096LL;
};

// Decodes PNG, JPEG, BMP, GIF and the other formats stb_image reads into a
// Format_ARGB32_Premultiplied image. Nothing, with the reason in whyNot, for
// data that is not an image, too large or too large once decoded.
std::optional<QImage> DecodeImage(const QByteArray& bytes, QString* whyNot = nullptr,
                                  const ImageLimits& limits = ImageLimits{});

} // namespace MarkupUI
