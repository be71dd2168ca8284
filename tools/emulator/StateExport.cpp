#include "emulator/StateExport.h"

#include "emulator/StateReport.h"

#include "device/MonoPicture.h"
#include "device/PrintedTicket.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace emulator {

using namespace device;

namespace {

QJsonArray RectJson(const DeviceRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

QJsonValue SlotJson(const NumberSlot& slot)
{
    if (!slot.present) {
        return QJsonValue::Null;
    }
    return QJsonObject{
        {"rect", RectJson(slot.rect)}, {"glyphSet", slot.glyphSetIndex}, {"digits", slot.digitCount}};
}

QJsonObject SizeJson(const PackedImage& image)
{
    return {{"width", image.width}, {"height", image.height}};
}

QJsonArray WidestValuesJson(const UploadedTemplate& t)
{
    TicketValues worst;
    worst.worstCase = true;
    QJsonArray fields;
    for (const PrintedField& field : LayOutTicketFields(t, worst)) {
        QJsonObject entry{{"field", QString::fromStdString(field.name)},
                          {"text", QString::fromStdString(field.text)},
                          {"glyphSetSent", field.set != nullptr}};
        if (field.set != nullptr) {
            entry.insert("widthDots", qint64(field.layout.lineWidth));
            entry.insert("heightDots", field.layout.lineHeight);
            entry.insert("fits", field.layout.Fits());
            entry.insert("cutWidthDots", qint64(field.layout.cutWidthDots));
            entry.insert("cutHeightDots", qint64(field.layout.cutHeightDots));
        }
        fields.append(entry);
    }
    return fields;
}

QJsonObject TemplateJson(const UploadedTemplate& t)
{
    const PageRecord& p = t.page;
    QJsonArray timeFields;
    for (const TimeFieldRecord& f : t.timeFields) {
        timeFields.append(
            QJsonObject{{"rect", RectJson(f.rect)}, {"glyphSet", f.glyphSetIndex}, {"format", f.timeFormat}});
    }
    QJsonArray sets;
    for (const GlyphSet& set : t.glyphSets) {
        QJsonArray glyphs;
        QString characters;
        for (const DecodedGlyph& g : set.glyphs) {
            characters += QChar(g.code);
            glyphs.append(QJsonObject{{"position", g.position},
                                      {"code", g.code},
                                      {"width", g.bitmap.width},
                                      {"height", g.bitmap.height}});
        }
        sets.append(QJsonObject{{"index", set.index},
                                {"characters", characters},
                                {"picture", QStringLiteral("glyphset-%1.png").arg(set.index)},
                                {"glyphs", glyphs}});
    }
    return {{"department", t.department},
            {"printCount", p.printCount},
            {"numberReset", p.numberReset},
            {"startingNumber", p.startingNumber},
            {"endingNumber", p.endingNumber},
            {"marginsMm", QJsonArray{p.marginLeft, p.marginTop, p.marginRight, p.marginBottom}},
            {"ticketNumber", SlotJson(p.ticketNumber)},
            {"waitingCount", SlotJson(p.waitingCount)},
            {"nowServing", SlotJson(p.nowServing)},
            {"timeFields", timeFields},
            {"glyphSets", sets},
            {"pageImage", SizeJson(t.pageImage)},
            {"widestValues", WidestValuesJson(t)}};
}

} // namespace

QImage ToImage(const PackedImage& bitmap)
{
    return ToMonoPicture(bitmap);
}

QImage GlyphSetImage(const GlyphSet& set)
{
    int width = 0;
    int height = 0;
    for (const DecodedGlyph& g : set.glyphs) {
        width += g.bitmap.width + 1;
        height = std::max(height, g.bitmap.height);
    }
    PackedImage strip = PackedImage::Blank(std::max(width - 1, 0), height);
    int x = 0;
    for (const DecodedGlyph& g : set.glyphs) {
        for (int gy = 0; gy < g.bitmap.height; ++gy) {
            for (int gx = 0; gx < g.bitmap.width; ++gx) {
                if (g.bitmap.Dot(gx, gy)) {
                    strip.SetDot(x + gx, gy, true);
                }
            }
        }
        x += g.bitmap.width + 1;
    }
    return ToImage(strip);
}

QByteArray StateJson(const PrinterState& state)
{
    QJsonObject root{{"transactions", static_cast<qint64>(state.transactionCount)}};
    if (state.clock) {
        root.insert("clock", QJsonObject{{"value", static_cast<qint64>(*state.clock)},
                                         {"text", QString::fromStdString(ClockText(*state.clock))}});
    }
    if (state.printedImage) {
        root.insert("printedImage", SizeJson(*state.printedImage));
    }
    if (state.uploadedTemplate) {
        root.insert("template", TemplateJson(*state.uploadedTemplate));
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace emulator
