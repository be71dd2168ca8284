#include "device/FieldTexts.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace device {

std::string NumberFieldText(int value, int digitCount)
{
    std::string digits = std::to_string(value < 0 ? 0 : value);
    if (static_cast<int>(digits.size()) < digitCount) {
        digits.insert(0, static_cast<std::size_t>(digitCount) - digits.size(), '0');
    }
    return digits;
}

std::string TimeFieldText(int formatIndex, const LocalDateTime& t)
{
    char text[64] = {};
    const int yy = ((t.year % 100) + 100) % 100;
    switch (formatIndex) {
    case 0:
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                      t.minute, t.second);
        break;
    case 1:
        std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d:%02d", t.month, t.day, yy, t.hour,
                      t.minute, t.second);
        break;
    case 2:
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
        break;
    case 3:
        std::snprintf(text, sizeof text, "%02d/%02d/%02d", t.month, t.day, yy);
        break;
    case 4:
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
        break;
    case 5:
        std::snprintf(text, sizeof text, "%04d", t.year);
        break;
    case 6:
    case 7:
    case 8:
    case 9:
    case 10: {
        const int parts[] = {t.month, t.day, t.hour, t.minute, t.second};
        std::snprintf(text, sizeof text, "%02d", parts[formatIndex - 6]);
        break;
    }
    default:
        break;
    }
    return text;
}

int DecimalDigits(int value)
{
    int digits = 1;
    for (; value >= 10; value /= 10) {
        ++digits;
    }
    return digits;
}

int WorstCaseNumberPositions(int digitCount, int endingNumber, bool boundedByEnding)
{
    int positions = std::max(1, int(static_cast<std::uint8_t>(digitCount)));
    if (boundedByEnding) {
        positions = std::max(positions, DecimalDigits(int(static_cast<std::uint16_t>(endingNumber))));
    }
    return positions;
}

char WidestDigit(const std::vector<GlyphMetrics>& set)
{
    char widest = '0';
    int width = -1;
    for (char c = '0'; c <= '9'; ++c) {
        // The printer uses the first glyph of a code, as LayOutField does.
        const auto glyph = std::find_if(set.begin(), set.end(), [c](const GlyphMetrics& g) {
            return g.code == static_cast<std::uint8_t>(c);
        });
        if (glyph != set.end() && glyph->width > width) {
            widest = c;
            width = glyph->width;
        }
    }
    return widest;
}

std::string WorstCaseNumberText(const std::vector<GlyphMetrics>& set, int positions)
{
    return std::string(std::size_t(std::max(0, positions)), WidestDigit(set));
}

std::string WorstCaseTimeText(const std::vector<GlyphMetrics>& set, int formatIndex)
{
    std::string text = TimeFieldText(formatIndex, LocalDateTime{2000, 1, 1, 0, 0, 0});
    const char widest = WidestDigit(set);
    for (char& c : text) {
        if (c >= '0' && c <= '9') {
            c = widest;
        }
    }
    return text;
}

} // namespace device
