#include "check/FieldFit.h"

#include "check/WorstCaseWidth.h"
#include "elements/DesignLabelUI.h"
#include "elements/FormUI.h"

#include <QString>

namespace check {

namespace {

device::PrintableArea AreaOf(const MarkupUI::CFormUI& form)
{
    return device::PrintableArea{form.GetPrintableWidthDots(), form.GetPrintableHeightDots(),
                                 form.GetPrintableWidthView(), form.GetPrintableHeightView()};
}

void SetWidth(MarkupUI::CFormUI& form, MarkupUI::CControlUI& field, int width)
{
    field.SetFixedWidth(width);
    form.SetPos(form.GetPos());
}

} // namespace

bool WidestValueFits(MarkupUI::CFormUI& form, MarkupUI::CControlUI& field)
{
    const int index = form.GetItemIndex(&field);
    if (index < 0) {
        return false;
    }
    for (const device::PlannedField& planned : device::PlanUpload(form).fields) {
        if (planned.childIndex != index) {
            continue;
        }
        auto* label = static_cast<MarkupUI::CDesignLabelUI*>(
            form.GetItemAt(index)->GetInterface(QStringLiteral("DesignLabel")));
        if (planned.fate != device::FieldFate::Sent || label == nullptr) {
            return false;
        }
        const FieldWidth width = MeasureFieldWidth(*label, planned, form.GetMaxNum(), AreaOf(form));
        return !width.glyphsEmpty && width.cutWidthDots == 0 && width.cutHeightDots == 0;
    }
    return false;
}

bool FitFieldWidth(MarkupUI::CFormUI& form, MarkupUI::CControlUI& field, int reach)
{
    const int original = field.GetFixedWidth();
    if (WidestValueFits(form, field)) {
        return true;
    }
    for (int step = 1; step <= reach; ++step) {
        for (const int width : {original + step, original - step}) {
            if (width <= 0) {
                continue;
            }
            SetWidth(form, field, width);
            if (WidestValueFits(form, field)) {
                return true;
            }
        }
    }
    SetWidth(form, field, original);
    return false;
}

} // namespace check
