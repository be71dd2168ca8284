#include "check/UploadLimitsCheck.h"

#include "check/CheckContext.h"
#include "device/FrameCodes.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"

#include <QCoreApplication>

#include <map>

namespace check {

using device::FieldFate;

namespace {

void CheckPage(CheckContext& context)
{
    if (!context.PageBits().IsEmpty()) {
        return;
    }
    const device::PrintableArea& area = context.Area();
    context.Report(Severity::Error, QStringLiteral("page-not-rendered"), -1,
                   QCoreApplication::translate("check", "The page cannot be rendered: it has no printable "
                                                        "area or is too large to draw."),
                   {{QStringLiteral("printable_width_dots"), double(area.devWidth)},
                    {QStringLiteral("printable_height_dots"), double(area.devHeight)}});
}

void CheckNumberRange(CheckContext& context)
{
    const MarkupUI::CFormUI& form = context.Form();
    const int32_t ending = form.GetMaxNum();
    const int32_t starting = form.GetCutoffNum();
    // The page record carries both as 16 bits.
    if (ending < 0 || ending > 0xFFFF || starting < 0 || starting > 0xFFFF) {
        context.Report(Severity::Error, QStringLiteral("number-range"), -1,
                       QCoreApplication::translate("check", "The starting and ending numbers must lie between 0 "
                                                            "and 65535; the printer gets other numbers."),
                       {{QStringLiteral("starting_number"), double(starting)},
                        {QStringLiteral("ending_number"), double(ending)},
                        {QStringLiteral("printer_starting_number"), double(uint16_t(starting))},
                        {QStringLiteral("printer_ending_number"), double(uint16_t(ending))}});
    }
}

void CheckFieldFates(CheckContext& context)
{
    // The last sent field of a number kind is the one the printer keeps.
    std::map<int, int> lastOfKind;
    for (const device::PlannedField& field : context.Plan().fields) {
        if (field.fate == FieldFate::Sent && field.kind != MarkupUI::kElementTime) {
            lastOfKind[field.kind] = field.childIndex;
        }
    }
    for (const device::PlannedField& field : context.Plan().fields) {
        switch (field.fate) {
        case FieldFate::Sent:
            if (field.kind != MarkupUI::kElementTime && lastOfKind[field.kind] != field.childIndex) {
                const int keeper = lastOfKind[field.kind];
                context.Report(Severity::Error, QStringLiteral("duplicate-number-field"), field.childIndex,
                               QCoreApplication::translate("check", "Another field of this kind (element %1) "
                                                                    "comes later: the printer keeps only that one.")
                                   .arg(keeper),
                               {{QStringLiteral("kept_element_index"), double(keeper)}});
            }
            break;
        case FieldFate::TimeFieldLimit:
            context.Report(Severity::Error, QStringLiteral("time-field-limit"), field.childIndex,
                           QCoreApplication::translate("check", "More than %1 time fields: this one is left out.")
                               .arg(device::kMaxTimeFields),
                           {{QStringLiteral("time_field_limit"), double(device::kMaxTimeFields)}});
            break;
        case FieldFate::GlyphSetLimit:
            context.Report(Severity::Error, QStringLiteral("glyph-set-limit"), field.childIndex,
                           QCoreApplication::translate("check", "More than %1 dynamic fields: this one is left out.")
                               .arg(device::kMaxGlyphSets),
                           {{QStringLiteral("glyph_set_limit"), double(device::kMaxGlyphSets)}});
            break;
        case FieldFate::NotText:
        case FieldFate::UnknownFormat:
            context.Report(Severity::Error, QStringLiteral("field-left-out"), field.childIndex,
                           QCoreApplication::translate("check", "The printer cannot fill this field in: it is "
                                                                "left out."),
                           {});
            break;
        case FieldFate::OutsidePrintable:
            // The printable-area check reports it, with the area.
            break;
        }
    }
}

} // namespace

void CheckUploadLimits(CheckContext& context)
{
    CheckPage(context);
    CheckNumberRange(context);
    CheckFieldFates(context);
}

} // namespace check
