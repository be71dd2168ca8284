#include "device/PrintedTicket.h"

#include "device/FieldTexts.h"

namespace device {

namespace {

PrintedField Field(std::string name, const PrinterTemplate& upload, const DeviceRect& rect,
                   std::uint8_t setIndex)
{
    PrintedField field;
    field.name = std::move(name);
    field.rect = rect;
    field.set = upload.FindSet(setIndex);
    return field;
}

void LayOut(PrintedField& field, std::string text)
{
    field.text = std::move(text);
    if (field.set != nullptr) {
        field.layout = LayOutField(MetricsOf(*field.set), field.rect, field.text);
    }
}

void AddSlot(std::vector<PrintedField>& fields, const char* name, const PrinterTemplate& upload,
             const NumberSlot& slot, int value, const TicketValues& values, bool boundedByEnding)
{
    if (!slot.present) {
        return;
    }
    PrintedField field = Field(name, upload, slot.rect, slot.glyphSetIndex);
    std::string text = NumberFieldText(value, slot.digitCount);
    if (values.worstCase && field.set != nullptr) {
        text = WorstCaseNumberText(
            MetricsOf(*field.set),
            WorstCaseNumberPositions(slot.digitCount, upload.page.endingNumber, boundedByEnding));
    }
    LayOut(field, std::move(text));
    fields.push_back(std::move(field));
}

} // namespace

std::vector<GlyphMetrics> MetricsOf(const PrinterGlyphSet& set)
{
    std::vector<GlyphMetrics> metrics;
    metrics.reserve(set.glyphs.size());
    for (const PrinterGlyph& glyph : set.glyphs) {
        metrics.push_back(GlyphMetrics{glyph.code, glyph.bitmap.width, glyph.bitmap.height});
    }
    return metrics;
}

std::vector<PrintedField> LayOutTicketFields(const PrinterTemplate& upload, const TicketValues& values)
{
    std::vector<PrintedField> fields;
    AddSlot(fields, "ticket number", upload, upload.page.ticketNumber, values.ticket, values, true);
    AddSlot(fields, "waiting count", upload, upload.page.waitingCount, values.waiting, values, false);
    AddSlot(fields, "now serving", upload, upload.page.nowServing, values.serving, values, true);
    for (std::size_t i = 0; i < upload.timeFields.size(); ++i) {
        const TimeFieldRecord& record = upload.timeFields[i];
        PrintedField field = Field("time field " + std::to_string(i), upload, record.rect, record.glyphSetIndex);
        LayOut(field, values.worstCase && field.set != nullptr
                          ? WorstCaseTimeText(MetricsOf(*field.set), record.timeFormat)
                          : TimeFieldText(record.timeFormat, values.time));
        fields.push_back(std::move(field));
    }
    return fields;
}

PackedImage ComposeTicket(const PrinterTemplate& upload, const TicketValues& values)
{
    PackedImage page = upload.pageImage;
    for (const PrintedField& field : LayOutTicketFields(upload, values)) {
        if (field.set == nullptr) {
            continue;
        }
        std::vector<const PackedImage*> bitmaps;
        for (const PrinterGlyph& glyph : field.set->glyphs) {
            bitmaps.push_back(&glyph.bitmap);
        }
        StampField(page, field.layout, bitmaps, field.rect);
    }
    return page;
}

} // namespace device
