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
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // A fuzzer drawn to the largest allowed picture would run a hundred
    // inputs a second; the same checks with smaller numbers keep it fast.
    qint64 maxEncodedBytes = 1024 * 1024;
    int maxSide = 1024;
    qint64 maxPixels = 256LL * 256LL;
#else
    qint64 maxEncodedBytes = 16 * 1024 * 1024;
    int maxSide = 8192;
    qint64 maxPixels = 4096LL * 4096LL;
#endif
};

// Decodes PNG, JPEG, BMP, GIF and the other formats stb_image reads into a
// Format_ARGB32_Premultiplied image. Nothing, with the reason in whyNot, for
// data that is not an image, too large or too large once decoded.
std::optional<QImage> DecodeImage(const QByteArray& bytes, QString* whyNot = nullptr,
                                  const ImageLimits& limits = ImageLimits{});

} // namespace MarkupUI
