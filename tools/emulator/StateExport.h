#pragma once

#include "device/PackedImage.h"
#include "emulator/PrinterState.h"

#include <QByteArray>
#include <QImage>

namespace emulator {

// A one-bit picture of the bitmap: ink black, paper white.
QImage ToImage(const device::PackedImage& bitmap);

// The glyphs of a set side by side in set order, one dot of paper between
// them, on a strip as high as the highest glyph.
QImage GlyphSetImage(const GlyphSet& set);

// The kept state as indented JSON: transactions, clock, last print, and the
// template with its page record, fields, glyph sets and page image size.
QByteArray StateJson(const PrinterState& state);

} // namespace emulator
