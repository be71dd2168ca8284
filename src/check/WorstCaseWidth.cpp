#include "check/WorstCaseWidth.h"

#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/TimeFormatList.h"

#include <QHash>

#include <algorithm>
#include <ctime>

namespace check {

namespace {

const QString kDigits = QStringLiteral("0123456789");

} // namespace

int DecimalDigits(int value)
{
    int digits = 1;
    for (; value >= 10; value /= 10) {
        ++digits;
    }
    return digits;
}

std::vector<QString> WorstCasePositions(int kind, int numLength, int endingNumber, int timeFormat)
{
    // The printer takes the digit count as one byte and the ending number as 16 bits.
    const int digitCount = int(static_cast<uint8_t>(numLength));
    const int ending = int(static_cast<uint16_t>(endingNumber));
    switch (kind) {
    case MarkupUI::kElementQueuingNum:
    case MarkupUI::kElementCurrentNum:
        return std::vector<QString>(std::size_t(std::max(digitCount, DecimalDigits(ending))), kDigits);
    case MarkupUI::kElementWaitingCount:
        return std::vector<QString>(std::size_t(std::max(digitCount, 1)), kDigits);
    case MarkupUI::kElementTime: {
        if (timeFormat < 0 || timeFormat >= MarkupUI::TimeFormatList::kCount) {
            return {};
        }
        // Any moment has the format's length; its digits stand for any digit.
        std::tm moment{};
        moment.tm_year = 2000 - 1900;
        moment.tm_mon = 0;
        moment.tm_mday = 1;
        std::vector<QString> positions;
        for (const QChar c : MarkupUI::TimeFormatList::Format(moment, timeFormat)) {
            positions.push_back(c.isDigit() ? kDigits : QString(c));
        }
        return positions;
    }
    default:
        return {};
    }
}

FieldWidth MeasureFieldWidth(MarkupUI::CDesignLabelUI& label, const std::vector<QString>& positions,
                             const QString& glyphSet, const device::PrintableArea& area)
{
    // Every character needed, measured once.
    QString characters = glyphSet + label.GetText();
    for (const QString& position : positions) {
        characters += position;
    }
    QString unique;
    for (const QChar c : characters) {
        if (!unique.contains(c)) {
            unique += c;
        }
    }
    const std::vector<device::GlyphSizing> sizes = device::MeasureGlyphs(label, unique, area);
    QHash<QChar, device::GlyphSizing> sizeOf;
    for (qsizetype i = 0; i < unique.size(); ++i) {
        sizeOf.insert(unique.at(i), sizes[std::size_t(i)]);
    }

    FieldWidth width;
    width.positions = int(positions.size());
    int64_t worst = 0;
    for (const QString& position : positions) {
        QChar widest = position.isEmpty() ? QChar(u' ') : position.front();
        for (const QChar c : position) {
            if (sizeOf.value(c).printed.cx > sizeOf.value(widest).printed.cx) {
                widest = c;
            }
        }
        width.worstText += widest;
        worst += sizeOf.value(widest).printed.cx;
        width.widestGlyphDots = std::max(width.widestGlyphDots, sizeOf.value(widest).printed.cx);
    }
    width.worstWidthDots = int(std::min<int64_t>(worst, INT32_MAX));
    int64_t sample = 0;
    for (const QChar c : label.GetText()) {
        sample += sizeOf.value(c).printed.cx;
    }
    width.sampleWidthDots = int(std::min<int64_t>(sample, INT32_MAX));

    bool anyEmpty = glyphSet.isEmpty();
    for (const QChar c : glyphSet) {
        const device::GlyphSizing& glyph = sizeOf.value(c);
        anyEmpty = anyEmpty || glyph.printed.cx <= 0 || glyph.printed.cy <= 0;
        if (glyph.scale < width.shrinkFactor) {
            width.shrinkFactor = glyph.scale;
            width.designedHeightDots = glyph.designed.cy;
            width.printedHeightDots = glyph.printed.cy;
        }
    }
    width.glyphsEmpty = anyEmpty;
    return width;
}

} // namespace check
