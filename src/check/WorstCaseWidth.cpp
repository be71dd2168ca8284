#include "check/WorstCaseWidth.h"

#include "device/FieldLayout.h"
#include "device/FieldTexts.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"

#include <algorithm>

namespace check {

namespace {

int Clamped(int64_t value)
{
    return int(std::clamp<int64_t>(value, 0, INT32_MAX));
}

std::string WorstCaseText(const device::PlannedField& field, const std::vector<device::GlyphMetrics>& set,
                          int digitCount, int endingNumber)
{
    switch (field.kind) {
    case MarkupUI::kElementQueuingNum:
    case MarkupUI::kElementCurrentNum:
        return device::WorstCaseNumberText(set, device::WorstCaseNumberPositions(digitCount, endingNumber, true));
    case MarkupUI::kElementWaitingCount:
        return device::WorstCaseNumberText(set,
                                           device::WorstCaseNumberPositions(digitCount, endingNumber, false));
    case MarkupUI::kElementTime:
        return device::WorstCaseTimeText(set, field.timeFormat);
    default:
        return {};
    }
}

} // namespace

FieldWidth MeasureFieldWidth(MarkupUI::CDesignLabelUI& label, const device::PlannedField& field,
                             int endingNumber, const device::PrintableArea& area)
{
    // The glyphs the upload sends, sized as it sizes them.
    const std::vector<device::GlyphSizing> sizes = device::MeasureGlyphs(label, field.characters, area);
    std::vector<device::GlyphMetrics> set;
    FieldWidth width;
    bool anyEmpty = field.characters.isEmpty();
    for (qsizetype i = 0; i < field.characters.size(); ++i) {
        const device::GlyphSizing& glyph = sizes[std::size_t(i)];
        set.push_back(device::GlyphMetrics{static_cast<uint8_t>(field.characters.at(i).toLatin1()),
                                           glyph.printed.cx, glyph.printed.cy});
        width.widestGlyphDots = std::max(width.widestGlyphDots, glyph.printed.cx);
        anyEmpty = anyEmpty || glyph.printed.cx <= 0 || glyph.printed.cy <= 0;
        if (glyph.scale < width.shrinkFactor) {
            width.shrinkFactor = glyph.scale;
            width.designedHeightDots = glyph.designed.cy;
            width.printedHeightDots = glyph.printed.cy;
        }
    }
    width.glyphsEmpty = anyEmpty;

    const platform::Rect& r = field.deviceRect;
    const device::DeviceRect rect{r.left, r.top, r.right, r.bottom};
    const std::string worst = WorstCaseText(field, set, label.GetNumLength(), endingNumber);
    const device::FieldLayout layout = device::LayOutField(set, rect, worst);
    width.positions = int(worst.size());
    width.worstText = QString::fromLatin1(worst.data(), qsizetype(worst.size()));
    width.worstWidthDots = Clamped(layout.lineWidth);
    width.worstHeightDots = layout.lineHeight;
    width.cutWidthDots = Clamped(layout.cutWidthDots);
    width.cutHeightDots = Clamped(layout.cutHeightDots);
    width.sampleWidthDots = Clamped(device::LayOutField(set, rect, label.GetText().toLatin1().toStdString()).lineWidth);
    return width;
}

} // namespace check
