#pragma once

#include <QImage>
#include <QRgb>

namespace platform {

// The printer's black-and-white rule, shared by the print preview and the
// bitmaps sent to the device so both always agree: a pixel is ink when
// (0.587 * G + 0.299 * R) + 0.114 * B, in double precision and summed in
// that order, is below 128.0. Grey 128 is therefore ink, grey 129 paper.
double Luminance(int red, int green, int blue);
bool IsInk(int red, int green, int blue);
inline bool IsInk(QRgb pixel)
{
    return IsInk(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// Turns every pixel of the area (clipped to the image) black or white by
// that rule; alpha becomes opaque.
void ReduceToBlackAndWhite(QImage& image, const QRect& area);

} // namespace platform
