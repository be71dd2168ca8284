#pragma once

#include "device/GlyphRaster.h"
#include "device/UploadPlan.h"

#include <QString>

namespace MarkupUI {
class CDesignLabelUI;
}

namespace check {

// How a field prints at its widest, laid out by the printer's field model
// (device/FieldLayout.h) from the glyph sizes the upload sends: the widest
// digit in every position (numbers: the digit count, and for the ticket and
// now-serving numbers at least the ending number's digits; times: the
// format's digits, the separators as they are).
struct FieldWidth
{
    int positions = 0;
    QString worstText;        // the widest value
    int worstWidthDots = 0;   // the dots it advances
    int worstHeightDots = 0;  // its tallest glyph
    int cutWidthDots = 0;     // what the field's rectangle cuts off across
    int cutHeightDots = 0;    // and down
    int sampleWidthDots = 0;  // the element's own text, laid out the same
    int widestGlyphDots = 0;  // the widest glyph of the set
    bool glyphsEmpty = false; // the glyphs have no size: the field prints nothing
    // The 4,096-dot limit on the glyph set: the smallest factor it applied
    // and that glyph's height before and after.
    double shrinkFactor = 1.0;
    int designedHeightDots = 0;
    int printedHeightDots = 0;
};

FieldWidth MeasureFieldWidth(MarkupUI::CDesignLabelUI& label, const device::PlannedField& field,
                             int endingNumber, const device::PrintableArea& area);

} // namespace check
