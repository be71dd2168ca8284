#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>

// Structural pixel checks: where ink is, not what a font's hinting makes of it.
namespace pixeltest {

inline QImage WhiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

inline QRgb Rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

// Pixels in area whose colour differs from `background`.
inline int CountOther(const QImage& image, const QRect& area, QRgb background = 0xFFFFFF)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            count += Rgb(image, x, y) != (background & 0xFFFFFFu) ? 1 : 0;
        }
    }
    return count;
}

inline int CountColour(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            count += Rgb(image, x, y) == (colour & 0xFFFFFFu) ? 1 : 0;
        }
    }
    return count;
}

// Bounding box of every pixel that is not `background`; null when none.
inline QRect InkBox(const QImage& image, QRgb background = 0xFFFFFF)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Rgb(image, x, y) != (background & 0xFFFFFFu)) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

// An image encoded as a file of that format would be.
inline QByteArray EncodedImage(const QImage& image, const char* format = "PNG")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A plain picture of one colour, encoded as a file of that format would be.
inline QByteArray EncodedPicture(int width, int height, QRgb colour, const char* format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return EncodedImage(image, format);
}

} // namespace pixeltest
