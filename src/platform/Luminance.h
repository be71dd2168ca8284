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

// The three weighted terms of every 8-bit channel value. A product is
// rounded the same at compile time as at run time, so summing these in the
// same order gives Luminance bit for bit, without a call or a multiply per
// pixel (a page upload decides half a million pixels).
struct LuminanceTerms
{
    double red[256];
    double green[256];
    double blue[256];
};

constexpr LuminanceTerms MakeLuminanceTerms()
{
    LuminanceTerms terms{};
    for (int value = 0; value < 256; ++value) {
        terms.red[value] = 0.299 * value;
        terms.green[value] = 0.587 * value;
        terms.blue[value] = 0.114 * value;
    }
    return terms;
}

inline constexpr LuminanceTerms kLuminanceTerms = MakeLuminanceTerms();

inline bool IsInk(QRgb pixel)
{
    const LuminanceTerms& terms = kLuminanceTerms;
    return (terms.green[qGreen(pixel)] + terms.red[qRed(pixel)]) + terms.blue[qBlue(pixel)] < 128.0;
}

// Turns every pixel of the area (clipped to the image) black or white by
// that rule; alpha becomes opaque.
void ReduceToBlackAndWhite(QImage& image, const QRect& area);

} // namespace platform
