#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>

namespace panes {

// The contrast ratio of two colours as accessibility guidelines measure it:
// 1 for the same colour, 21 for black on white.
double ContrastRatio(const QColor& a, const QColor& b);

// Whether a palette draws light ink on dark ground (the "Black style" look).
bool IsDarkPalette(const QPalette& palette);

// Of the palette's own colour and black or white, the first that reads on
// the background (4.5:1); else whichever of black and white reads better.
QColor ReadableOn(const QColor& background, const QColor& preferred);

// A picture drawn in dark ink for light ground, made to show on a dark
// background: its dark pixels take the ink colour, coloured ones keep
// their hue, transparency stays.
QImage ShownOnDark(const QImage& picture, const QColor& ink);

} // namespace panes
