#pragma once

#include "device/FrameCodes.h"
#include "device/PackedImage.h"
#include "platform/Geometry.h"

#include <QChar>
#include <QImage>
#include <QString>

#include <vector>

namespace MarkupUI {
class CDesignLabelUI;
}

namespace device {

// Printable area of the form in printer dots and in view units.
struct PrintableArea
{
    int devWidth = 0;
    int devHeight = 0;
    int viewWidth = 0;
    int viewHeight = 0;
};

// The glyph's size in dots: the character's extent scaled by how the
// element's box relates to its own text's extent, then from view units to
// dots, then shrunk (keeping its proportions) to at most 4096 dots. Sizes
// that cannot be computed (an empty text, a zero printable area) give 0.
platform::Size GlyphSizeInDots(platform::Size charExtent, platform::Size textExtent,
                               platform::Size elementSize, const PrintableArea& area);

// A glyph's size before and after the 4096-dot limit; scale is the factor
// the limit applied (1 when the glyph keeps its size).
struct GlyphSizing
{
    platform::Size designed;
    platform::Size printed;
    double scale = 1.0;
};

GlyphSizing SizeGlyph(platform::Size charExtent, platform::Size textExtent, platform::Size elementSize,
                      const PrintableArea& area);

// The sizes RenderGlyph gives each character, measured without drawing:
// what the checker compares with the field's box. Characters outside a
// field's glyph set are sized by the same rule.
std::vector<GlyphSizing> MeasureGlyphs(MarkupUI::CDesignLabelUI& element, const QString& characters,
                                       const PrintableArea& area);

// A glyph's bits: any pixel that is not pure white is ink, so the
// anti-aliased edges of thin digits still print.
PackedImage PackGlyphBits(const QImage& image);

// One character of a dynamic field drawn in the element's font and style,
// sized by GlyphSizeInDots. Any pixel that is not pure white is ink, so
// anti-aliased edges print.
PackedImage RenderGlyph(MarkupUI::CDesignLabelUI& element, QChar ch, const PrintableArea& area);

// RenderGlyph of each character, in order. The calling thread holds the last
// sets it drew and gives them again while the element's font, text, style,
// size and the printable area are unchanged; the reference lasts until its
// next call.
const std::vector<PackedImage>& RenderGlyphSet(MarkupUI::CDesignLabelUI& element, const QString& characters,
                                               const PrintableArea& area);

} // namespace device
