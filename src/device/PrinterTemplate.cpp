#include "device/PrinterTemplate.h"

namespace device {

const PrinterGlyph* PrinterGlyphSet::Find(std::uint8_t code) const
{
    for (const PrinterGlyph& glyph : glyphs) {
        if (glyph.code == code) {
            return &glyph;
        }
    }
    return nullptr;
}

const PrinterGlyphSet* PrinterTemplate::FindSet(std::uint8_t setIndex) const
{
    for (const PrinterGlyphSet& set : glyphSets) {
        if (set.index == setIndex) {
            return &set;
        }
    }
    return nullptr;
}

} // namespace device
