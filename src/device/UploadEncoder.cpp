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
    const auto count = static_cast<uint8_t>(characters.size());
    const auto index = static_cast<uint8_t>(setIndex);
    AppendHeader(list, DEV_CMD_GLYPH_SET, count, index);
    const std::vector<PackedImage>& glyphs = RenderGlyphSet(*label, characters, area);
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const PackedImage& glyph = glyphs[static_cast<std::size_t>(i)];
        AppendHeader(list, DEV_CMD_GLYPH, kGlyphRecordSize, 0);
        GlyphRecord record;
        record.position = static_cast<uint8_t>(i);
        record.code = static_cast<uint8_t>(characters.at(i).unicode());
        record.width = static_cast<uint16_t>(glyph.width);
        record.height = static_cast<uint16_t>(glyph.height);
        record.byteCount = static_cast<uint16_t>(glyph.bits.size());
        AppendRecord(list, record);
        list.Append(std::span<const uint8_t>(glyph.bits));
    }
    AppendHeader(list, DEV_CMD_GLYPH_SET_END, count, index);
    return true;
}

BufferList EncodeTemplateUpload(CFormUI& form)
{
    const QImage page = RenderPageImage(form);
    const PrintableArea area = AreaOf(form);
    BufferList list;
    AppendHeader(list, DEV_CMD_PAGE, static_cast<uint8_t>(kPageRecordSize),
                 static_cast<uint8_t>(form.GetDepartment()));
    PageRecord record = PageRecordOf(form);
    const std::size_t recordIndex = AppendRecord(list, record);

    int timeFields = 0;
    const UploadPlan plan = PlanUpload(form);
    for (const PlannedField& field : plan.fields) {
        if (field.fate != FieldFate::Sent) {
            continue;
        }
        const DeviceRect rect = ToDeviceRect(field.deviceRect);
        CControlUI& child = *form.GetItemAt(field.childIndex);
        if (NumberSlot* slot = SlotFor(record, field.kind)) {
            const auto* label = static_cast<CDesignLabelUI*>(child.GetInterface(QStringLiteral("DesignLabel")));
            // A second field of the same kind replaces the first in its slot.
            *slot = NumberSlot{rect, static_cast<uint8_t>(field.glyphSet), 1,
                               static_cast<uint8_t>(label->GetNumLength())};
        } else {
            AppendHeader(list, DEV_CMD_TIME_FIELD, static_cast<uint8_t>(timeFields), 0);
            AppendRecord(list, TimeFieldRecord{rect, static_cast<uint8_t>(field.glyphSet),
                                               static_cast<uint8_t>(field.timeFormat)});
            ++timeFields;
        }
        EncodeGlyphSet(child, field.characters, area, field.glyphSet, list);
    }
    record.timeFieldCount = static_cast<uint8_t>(plan.timeFieldCount);
    record.glyphSetCount = static_cast<uint8_t>(plan.glyphSetCount);
    const auto bytes = Serialise(record);
    std::memcpy(list[recordIndex].data(), bytes.data(), bytes.size());

    AppendImageFrames(list, DEV_CMD_PAGE_IMAGE, PackImageBits(page));
    AppendHeader(list, DEV_CMD_END, 0, 0);
    return list;
}

BufferList EncodePrintPage(CFormUI& form)
{
    BufferList list;
    BuildPrintImageTransaction(PackImageBits(RenderPageImage(form)), list);
    return list;
}

} // namespace device
