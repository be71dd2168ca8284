#include "device/UploadEncoder.h"

#include "device/FrameBuilder.h"
#include "device/FrameCodes.h"
#include "device/FrameRecords.h"
#include "device/PageRaster.h"
#include "device/UploadPlan.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"

#include <cstring>

namespace device {

using namespace MarkupUI;

namespace {

constexpr int kLastTimeFormat = int(kMaxTimeFormatIndex);

PrintableArea AreaOf(const CFormUI& form)
{
    return PrintableArea{form.GetPrintableWidthDots(), form.GetPrintableHeightDots(),
                         form.GetPrintableWidthView(), form.GetPrintableHeightView()};
}

DeviceRect ToDeviceRect(const platform::Rect& r)
{
    return DeviceRect{r.left, r.top, r.right, r.bottom};
}

// The form's settings as the page record carries them: low bytes and low
// 16 bits, margins in whole millimetres.
PageRecord PageRecordOf(const CFormUI& form)
{
    PageRecord record;
    record.printCount = static_cast<uint8_t>(form.GetPrintCount());
    record.numberReset = static_cast<uint8_t>(form.GetZeroing());
    record.endingNumber = static_cast<uint16_t>(form.GetMaxNum());
    record.startingNumber = static_cast<uint16_t>(form.GetCutoffNum());
    const platform::Rect padding = form.GetPrintPadding();
    record.marginLeft = padding.left;
    record.marginTop = padding.top;
    record.marginRight = padding.right;
    record.marginBottom = padding.bottom;
    return record;
}

NumberSlot* SlotFor(PageRecord& record, int kind)
{
    switch (kind) {
    case kElementQueuingNum:
        return &record.ticketNumber;
    case kElementWaitingCount:
        return &record.waitingCount;
    case kElementCurrentNum:
        return &record.nowServing;
    default:
        return nullptr;
    }
}

// One glyph set as the printer keeps it: each character of the set drawn by
// RenderGlyph, with its position and the low byte of its code.
PrinterGlyphSet GlyphSetOf(CDesignLabelUI& label, const QString& characters, const PrintableArea& area,
                           int setIndex)
{
    PrinterGlyphSet set;
    set.index = static_cast<uint8_t>(setIndex);
    const std::vector<PackedImage>& glyphs = RenderGlyphSet(label, characters, area);
    for (qsizetype i = 0; i < characters.size(); ++i) {
        set.glyphs.push_back(PrinterGlyph{static_cast<uint8_t>(i), static_cast<uint8_t>(characters.at(i).unicode()),
                                          glyphs[static_cast<std::size_t>(i)]});
    }
    return set;
}

// Set header, a glyph frame, record and bitmap per character, set end.
void AppendGlyphSet(BufferList& list, const PrinterGlyphSet& set)
{
    const auto count = static_cast<uint8_t>(set.glyphs.size());
    AppendHeader(list, DEV_CMD_GLYPH_SET, count, set.index);
    for (const PrinterGlyph& glyph : set.glyphs) {
        AppendHeader(list, DEV_CMD_GLYPH, kGlyphRecordSize, 0);
        GlyphRecord record;
        record.position = glyph.position;
        record.code = glyph.code;
        record.width = static_cast<uint16_t>(glyph.bitmap.width);
        record.height = static_cast<uint16_t>(glyph.bitmap.height);
        record.byteCount = static_cast<uint16_t>(glyph.bitmap.bits.size());
        AppendRecord(list, record);
        list.Append(std::span<const uint8_t>(glyph.bitmap.bits));
    }
    AppendHeader(list, DEV_CMD_GLYPH_SET_END, count, set.index);
}

} // namespace

QString GlyphCharacters(int elementKind, int timeFormat)
{
    switch (elementKind) {
    case kElementQueuingNum:
    case kElementCurrentNum:
        return QStringLiteral("0123456789ABCDEF");
    case kElementWaitingCount:
        return QStringLiteral("0123456789");
    case kElementTime:
        switch (timeFormat) {
        case 0:
            return QStringLiteral("0123456789-:");
        case 1:
            return QStringLiteral("0123456789/:");
        case 2:
            return QStringLiteral("0123456789-");
        case 3:
            return QStringLiteral("0123456789/");
        case 4:
            return QStringLiteral("0123456789:");
        default:
            return timeFormat > 4 && timeFormat <= kLastTimeFormat ? QStringLiteral("0123456789") : QString();
        }
    default:
        return QString();
    }
}

bool EncodeGlyphSet(CControlUI& element, const QString& characters, const PrintableArea& area, int setIndex,
                    BufferList& list)
{
    auto* label = static_cast<CDesignLabelUI*>(element.GetInterface(QStringLiteral("DesignLabel")));
    if (label == nullptr) {
        return false;
    }
    AppendGlyphSet(list, GlyphSetOf(*label, characters, area, setIndex));
    return true;
}

PrinterTemplate UploadedTemplateOf(CFormUI& form)
{
    const QImage page = RenderPageImage(form);
    const PrintableArea area = AreaOf(form);
    PrinterTemplate upload;
    upload.department = static_cast<uint8_t>(form.GetDepartment());
    upload.page = PageRecordOf(form);

    const UploadPlan plan = PlanUpload(form);
    for (const PlannedField& field : plan.fields) {
        if (field.fate != FieldFate::Sent) {
            continue;
        }
        const DeviceRect rect = ToDeviceRect(field.deviceRect);
        auto* label = static_cast<CDesignLabelUI*>(
            form.GetItemAt(field.childIndex)->GetInterface(QStringLiteral("DesignLabel")));
        if (label == nullptr) {
            continue; // planned as not drawing text; never sent
        }
        if (NumberSlot* slot = SlotFor(upload.page, field.kind)) {
            // A second field of the same kind replaces the first in its slot.
            *slot = NumberSlot{rect, static_cast<uint8_t>(field.glyphSet), 1,
                               static_cast<uint8_t>(label->GetNumLength())};
        } else {
            upload.timeFields.push_back(TimeFieldRecord{rect, static_cast<uint8_t>(field.glyphSet),
                                                        static_cast<uint8_t>(field.timeFormat)});
        }
        upload.glyphSets.push_back(GlyphSetOf(*label, field.characters, area, field.glyphSet));
    }
    upload.page.timeFieldCount = static_cast<uint8_t>(plan.timeFieldCount);
    upload.page.glyphSetCount = static_cast<uint8_t>(plan.glyphSetCount);
    upload.pageImage = PackImageBits(page);
    return upload;
}

BufferList EncodeTemplateUpload(const PrinterTemplate& upload)
{
    BufferList list;
    AppendHeader(list, DEV_CMD_PAGE, static_cast<uint8_t>(kPageRecordSize), upload.department);
    AppendRecord(list, upload.page);
    // Fields in child order: each set follows the frame of the time field
    // that names it.
    std::size_t nextTimeField = 0;
    for (const PrinterGlyphSet& set : upload.glyphSets) {
        if (nextTimeField < upload.timeFields.size() &&
            upload.timeFields[nextTimeField].glyphSetIndex == set.index) {
            AppendHeader(list, DEV_CMD_TIME_FIELD, static_cast<uint8_t>(nextTimeField), 0);
            AppendRecord(list, upload.timeFields[nextTimeField]);
            ++nextTimeField;
        }
        AppendGlyphSet(list, set);
    }
    // A time field whose set is not sent still has its frame.
    for (; nextTimeField < upload.timeFields.size(); ++nextTimeField) {
        AppendHeader(list, DEV_CMD_TIME_FIELD, static_cast<uint8_t>(nextTimeField), 0);
        AppendRecord(list, upload.timeFields[nextTimeField]);
    }
    AppendImageFrames(list, DEV_CMD_PAGE_IMAGE, upload.pageImage);
    AppendHeader(list, DEV_CMD_END, 0, 0);
    return list;
}

BufferList EncodeTemplateUpload(CFormUI& form)
{
    return EncodeTemplateUpload(UploadedTemplateOf(form));
}

BufferList EncodePrintPage(CFormUI& form)
{
    BufferList list;
    BuildPrintImageTransaction(PackImageBits(RenderPageImage(form)), list);
    return list;
}

} // namespace device
