#pragma once

#include "device/GlyphRaster.h"

#include <QString>

#include <vector>

namespace MarkupUI {
class CDesignLabelUI;
}

namespace check {

// Digits of a non-negative number in decimal (0 has one).
int DecimalDigits(int value);

// The characters each position of a field's longest value can hold, left
// to right. Ticket and now-serving numbers: every digit in each of
// max(digit count, digits of the ending number) positions; the waiting
// count: every digit in each of its digit count positions (at least one);
// a time: its format as the printer prints it, every digit at a digit's
// place and the separators as they are. The hexadecimal letters of a number's
// glyph set never appear in a decimal number and are left out. The digit
// count is the byte the upload sends.
std::vector<QString> WorstCasePositions(int kind, int numLength, int endingNumber, int timeFormat);

// How wide a field prints at its worst, in printer dots, by the glyph sizes
// the upload sends.
struct FieldWidth
{
    int positions = 0;
    QString worstText;        // the widest character of every position
    int worstWidthDots = 0;   // their glyphs side by side
    int sampleWidthDots = 0;  // the glyphs of the element's own text, which they are scaled to fill
    int widestGlyphDots = 0;  // the widest glyph of any position
    bool glyphsEmpty = false; // the glyphs have no size: the field prints nothing
    // The 4,096-dot limit on the glyph set: the smallest factor it applied
    // and that glyph's height before and after.
    double shrinkFactor = 1.0;
    int designedHeightDots = 0;
    int printedHeightDots = 0;
};

FieldWidth MeasureFieldWidth(MarkupUI::CDesignLabelUI& label, const std::vector<QString>& positions,
                             const QString& glyphSet, const device::PrintableArea& area);

} // namespace check
