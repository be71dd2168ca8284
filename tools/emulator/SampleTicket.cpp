#include "emulator/SampleTicket.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace emulator {

using namespace device;

namespace {

const GlyphSet* FindSet(const UploadedTemplate& upload, std::uint8_t index)
{
    for (const GlyphSet& set : upload.glyphSets) {
        if (set.index == index) {
            return &set;
        }
    }
    return nullptr;
}

const DecodedGlyph* FindGlyph(const GlyphSet& set, char code)
{
    for (const DecodedGlyph& glyph : set.glyphs) {
        if (glyph.code == static_cast<std::uint8_t>(code)) {
            return &glyph;
        }
    }
    return nullptr;
}

// Ink of the glyph at (x, y) of the page, kept inside the field's rectangle.
void Stamp(PackedImage& page, const PackedImage& glyph, std::int64_t x, std::int64_t y,
           const DeviceRect& clip)
{
    for (int gy = 0; gy < glyph.height; ++gy) {
        const std::int64_t py = y + gy;
        if (py < clip.top || py >= clip.bottom || py < 0 || py >= page.height) {
            continue;
        }
        for (int gx = 0; gx < glyph.width; ++gx) {
            const std::int64_t px = x + gx;
            if (px >= clip.left && px < clip.right && glyph.Dot(gx, gy)) {
                page.SetDot(static_cast<int>(px), static_cast<int>(py), true);
            }
        }
    }
}

void LayOutField(PackedImage& page, const GlyphSet& set, const DeviceRect& rect, const std::string& text)
{
    const int gap = set.glyphs.empty() ? 1 : std::max(1, set.glyphs.front().bitmap.width / 2);
    std::int64_t width = 0;
    int height = 0;
    for (char c : text) {
        const DecodedGlyph* glyph = FindGlyph(set, c);
        width += glyph ? glyph->bitmap.width : gap;
        height = std::max(height, glyph ? glyph->bitmap.height : 0);
    }
    const std::int64_t rectWidth = std::int64_t{rect.right} - rect.left;
    const std::int64_t rectHeight = std::int64_t{rect.bottom} - rect.top;
    std::int64_t x = rect.left + std::max<std::int64_t>(0, (rectWidth - width) / 2);
    const std::int64_t y = rect.top + std::max<std::int64_t>(0, (rectHeight - height) / 2);
    for (char c : text) {
        const DecodedGlyph* glyph = FindGlyph(set, c);
        if (glyph == nullptr) {
            x += gap;
            continue;
        }
        Stamp(page, glyph->bitmap, x, y + (height - glyph->bitmap.height) / 2, rect);
        x += glyph->bitmap.width;
    }
}

int DecimalDigits(int value)
{
    int digits = 1;
    for (; value >= 10; value /= 10) {
        ++digits;
    }
    return digits;
}

char WidestDigit(const GlyphSet& set)
{
    char widest = '0';
    int width = -1;
    for (char c = '0'; c <= '9'; ++c) {
        const DecodedGlyph* glyph = FindGlyph(set, c);
        if (glyph != nullptr && glyph->bitmap.width > width) {
            widest = c;
            width = glyph->bitmap.width;
        }
    }
    return widest;
}

// The ticket and now-serving numbers run up to the ending number.
void LayOutSlot(PackedImage& page, const UploadedTemplate& upload, const NumberSlot& slot, int value,
                bool worstCase, bool boundedByEnding)
{
    if (!slot.present) {
        return;
    }
    const GlyphSet* set = FindSet(upload, slot.glyphSetIndex);
    if (set == nullptr) {
        return;
    }
    if (!worstCase) {
        LayOutField(page, *set, slot.rect, NumberFieldText(value, slot.digitCount));
        return;
    }
    int positions = std::max(1, int(slot.digitCount));
    if (boundedByEnding) {
        positions = std::max(positions, DecimalDigits(upload.page.endingNumber));
    }
    LayOutField(page, *set, slot.rect, WorstCaseNumberText(*set, positions));
}

} // namespace

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

std::string WorstCaseNumberText(const GlyphSet& set, int positions)
{
    return std::string(std::size_t(std::max(0, positions)), WidestDigit(set));
}

std::string WorstCaseTimeText(const GlyphSet& set, int formatIndex)
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

PackedImage ComposeTicket(const UploadedTemplate& upload, const TicketValues& values)
{
    PackedImage page = upload.pageImage;
    LayOutSlot(page, upload, upload.page.ticketNumber, values.ticket, values.worstCase, true);
    LayOutSlot(page, upload, upload.page.waitingCount, values.waiting, values.worstCase, false);
    LayOutSlot(page, upload, upload.page.nowServing, values.serving, values.worstCase, true);
    for (const TimeFieldRecord& field : upload.timeFields) {
        if (const GlyphSet* set = FindSet(upload, field.glyphSetIndex)) {
            LayOutField(page, *set, field.rect,
                        values.worstCase ? WorstCaseTimeText(*set, field.timeFormat)
                                         : TimeFieldText(field.timeFormat, values.time));
        }
    }
    return page;
}

} // namespace emulator
