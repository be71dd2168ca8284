#include "device/UploadPlan.h"

#include "device/FrameCodes.h"
#include "device/UploadEncoder.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "elements/TimeUI.h"

namespace device {

using namespace MarkupUI;

namespace {

bool IsDynamicKind(int kind)
{
    return kind == kElementQueuingNum || kind == kElementWaitingCount || kind == kElementCurrentNum ||
           kind == kElementTime;
}

} // namespace

UploadPlan PlanUpload(CFormUI& form)
{
    UploadPlan plan;
    for (int i = 0; i < form.GetCount(); ++i) {
        CControlUI& child = *form.GetItemAt(i);
        const int kind = child.GetElementKind();
        if (!IsDynamicKind(kind)) {
            continue;
        }
        PlannedField field;
        field.childIndex = i;
        field.kind = kind;
        // Fields past the last glyph set the page record can count are left
        // out, as time fields past theirs are, rather than wrapping the count.
        if (plan.glyphSetCount >= int(kMaxGlyphSets)) {
            field.fate = FieldFate::GlyphSetLimit;
            plan.fields.push_back(field);
            continue;
        }
        auto* time = kind == kElementTime ? static_cast<CTimeUI*>(child.GetInterface(QStringLiteral("Time")))
                                          : nullptr;
        platform::Rect rect = child.GetPos();
        if (child.GetInterface(QStringLiteral("DesignLabel")) == nullptr ||
            (kind == kElementTime && time == nullptr)) {
            field.fate = FieldFate::NotText;
        } else if (kind == kElementTime && plan.timeFieldCount >= int(kMaxTimeFields)) {
            field.fate = FieldFate::TimeFieldLimit;
        } else if (time != nullptr && time->GetFormatIndex() > kMaxTimeFormatIndex) {
            field.fate = FieldFate::UnknownFormat;
        } else if (!form.MapToDevice(rect)) {
            field.fate = FieldFate::OutsidePrintable;
        } else {
            field.deviceRect = rect;
            field.glyphSet = plan.glyphSetCount++;
            if (time != nullptr) {
                field.timeFormat = time->GetFormatIndex();
                ++plan.timeFieldCount;
            }
            field.characters = GlyphCharacters(kind, field.timeFormat);
        }
        plan.fields.push_back(field);
    }
    return plan;
}

} // namespace device
