#include "device/FieldLayout.h"

#include <algorithm>

namespace device {

namespace {

int FindGlyph(const std::vector<GlyphMetrics>& set, char c)
{
    for (std::size_t i = 0; i < set.size(); ++i) {
        if (set[i].code == static_cast<std::uint8_t>(c)) {
            return int(i);
        }
    }
    return -1;
}

} // namespace

int MissingGlyphAdvance(const std::vector<GlyphMetrics>& set)
{
    int widest = 0;
    for (const GlyphMetrics& glyph : set) {
        widest = std::max(widest, glyph.width);
    }
    return std::max(1, widest);
}

FieldLayout LayOutField(const std::vector<GlyphMetrics>& set, const DeviceRect& rect, std::string_view text)
{
    FieldLayout layout;
    const int missingAdvance = MissingGlyphAdvance(set);
    layout.characters.reserve(text.size());
    for (const char c : text) {
        const int glyph = FindGlyph(set, c);
        layout.characters.push_back(PlacedCharacter{layout.lineWidth, 0, glyph});
        layout.lineWidth += glyph >= 0 ? std::max(0, set[std::size_t(glyph)].width) : missingAdvance;
        if (glyph >= 0) {
            layout.lineHeight = std::max(layout.lineHeight, set[std::size_t(glyph)].height);
        }
    }
    const std::int64_t rectWidth = std::max<std::int64_t>(0, std::int64_t{rect.right} - rect.left);
    const std::int64_t rectHeight = std::max<std::int64_t>(0, std::int64_t{rect.bottom} - rect.top);
    const std::int64_t left = rect.left + std::max<std::int64_t>(0, (rectWidth - layout.lineWidth) / 2);
    const std::int64_t top = rect.top + std::max<std::int64_t>(0, (rectHeight - layout.lineHeight) / 2);
    for (PlacedCharacter& placed : layout.characters) {
        placed.x += left;
        const int height = placed.glyph >= 0 ? set[std::size_t(placed.glyph)].height : 0;
        placed.y = top + (layout.lineHeight - height) / 2;
    }
    layout.cutWidthDots = std::max<std::int64_t>(0, layout.lineWidth - rectWidth);
    layout.cutHeightDots = std::max<std::int64_t>(0, std::int64_t{layout.lineHeight} - rectHeight);
    return layout;
}

void StampField(PackedImage& page, const FieldLayout& layout, const std::vector<const PackedImage*>& bitmaps,
                const DeviceRect& rect)
{
    const std::int64_t clipLeft = std::max<std::int64_t>(rect.left, 0);
    const std::int64_t clipTop = std::max<std::int64_t>(rect.top, 0);
    const std::int64_t clipRight = std::min<std::int64_t>(rect.right, page.width);
    const std::int64_t clipBottom = std::min<std::int64_t>(rect.bottom, page.height);
    for (const PlacedCharacter& placed : layout.characters) {
        if (placed.glyph < 0 || std::size_t(placed.glyph) >= bitmaps.size() || bitmaps[placed.glyph] == nullptr) {
            continue;
        }
        const PackedImage& glyph = *bitmaps[std::size_t(placed.glyph)];
        // Only the part of the glyph that meets the clip is visited, so a
        // hostile rectangle far off the page costs nothing.
        const std::int64_t fromY = std::max<std::int64_t>(0, clipTop - placed.y);
        const std::int64_t toY = std::min<std::int64_t>(glyph.height, clipBottom - placed.y);
        const std::int64_t fromX = std::max<std::int64_t>(0, clipLeft - placed.x);
        const std::int64_t toX = std::min<std::int64_t>(glyph.width, clipRight - placed.x);
        for (std::int64_t gy = fromY; gy < toY; ++gy) {
            for (std::int64_t gx = fromX; gx < toX; ++gx) {
                if (glyph.Dot(int(gx), int(gy))) {
                    page.SetDot(int(placed.x + gx), int(placed.y + gy), true);
                }
            }
        }
    }
}

} // namespace device
