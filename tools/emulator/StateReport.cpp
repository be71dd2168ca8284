#include "emulator/StateReport.h"

#include "device/PrintedTicket.h"

#include <QDateTime>
#include <QTimeZone>

namespace emulator {

using namespace device;

namespace {

using std::to_string;

std::string RectText(const DeviceRect& r)
{
    return to_string(r.left) + " " + to_string(r.top) + " " + to_string(r.right) + " " + to_string(r.bottom);
}

std::string SlotLine(const char* name, const NumberSlot& slot)
{
    if (!slot.present) {
        return std::string(name) + ": none\n";
    }
    return std::string(name) + ": rect " + RectText(slot.rect) + ", glyph set " +
           to_string(slot.glyphSetIndex) + ", digits " + to_string(slot.digitCount) + "\n";
}

std::string SizeText(const PackedImage& image)
{
    return to_string(image.width) + " x " + to_string(image.height);
}

// Whether each field leaves room for its widest value, as the printer lays it out.
std::string DescribeWidestValues(const UploadedTemplate& t)
{
    TicketValues worst;
    worst.worstCase = true;
    std::string text;
    for (const PrintedField& field : LayOutTicketFields(t, worst)) {
        text += "widest " + field.name + ": ";
        if (field.set == nullptr) {
            text += "no glyph set\n";
            continue;
        }
        const FieldLayout& layout = field.layout;
        text += "\"" + field.text + "\" " + to_string(layout.lineWidth) + " x " + to_string(layout.lineHeight) +
                " dots in " + to_string(std::int64_t{field.rect.right} - field.rect.left) + " x " +
                to_string(std::int64_t{field.rect.bottom} - field.rect.top) + ", ";
        text += layout.Fits() ? std::string("fits")
                              : "cut off by " + to_string(layout.cutWidthDots) + " dots across and " +
                                    to_string(layout.cutHeightDots) + " down";
        text += "\n";
    }
    return text;
}

std::string DescribeTemplate(const UploadedTemplate& t)
{
    const PageRecord& p = t.page;
    std::string text = "template:\n";
    text += "department: " + to_string(t.department) + "\n";
    text += "print count: " + to_string(p.printCount) + "\n";
    text += "number reset: " + to_string(p.numberReset) + "\n";
    text += "starting number: " + to_string(p.startingNumber) + "\n";
    text += "ending number: " + to_string(p.endingNumber) + "\n";
    text += "margins mm: " + RectText({p.marginLeft, p.marginTop, p.marginRight, p.marginBottom}) + "\n";
    text += SlotLine("ticket number", p.ticketNumber);
    text += SlotLine("waiting count", p.waitingCount);
    text += SlotLine("now serving", p.nowServing);
    for (std::size_t i = 0; i < t.timeFields.size(); ++i) {
        const TimeFieldRecord& f = t.timeFields[i];
        text += "time field " + to_string(i) + ": rect " + RectText(f.rect) + ", glyph set " +
                to_string(f.glyphSetIndex) + ", format " + to_string(f.timeFormat) + "\n";
    }
    for (const GlyphSet& set : t.glyphSets) {
        text += "glyph set " + to_string(set.index) + ":";
        for (const DecodedGlyph& g : set.glyphs) {
            const bool printable = g.code >= 0x21 && g.code < 0x7F;
            text += " " + (printable ? std::string(1, static_cast<char>(g.code)) : "#" + to_string(g.code)) +
                    "=" + to_string(g.bitmap.width) + "x" + to_string(g.bitmap.height);
        }
        text += "\n";
    }
    text += "page image: " + SizeText(t.pageImage) + "\n";
    text += DescribeWidestValues(t);
    return text;
}

} // namespace

std::string ClockText(std::uint32_t value)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(value, QTimeZone::utc());
    return utc.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

std::string DescribeState(const PrinterState& state)
{
    std::string text = "transactions: " + to_string(state.transactionCount) + "\n";
    if (state.clock) {
        text += "clock: " + to_string(*state.clock) + " (" + ClockText(*state.clock) + ")\n";
    }
    if (state.printedImage) {
        text += "printed image: " + SizeText(*state.printedImage) + "\n";
    }
    if (state.uploadedTemplate) {
        text += DescribeTemplate(*state.uploadedTemplate);
    }
    return text;
}

std::string ToPbm(const PackedImage& image)
{
    std::string pbm = "P4\n" + to_string(image.width) + " " + to_string(image.height) + "\n";
    pbm.append(image.bits.begin(), image.bits.end());
    return pbm;
}

} // namespace emulator
