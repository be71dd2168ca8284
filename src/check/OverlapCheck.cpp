#include "check/OverlapCheck.h"

#include "check/CheckContext.h"

#include <QCoreApplication>

namespace check {

void CheckOverlaps(CheckContext& context)
{
    if (context.PageBits().IsEmpty()) {
        return;
    }
    for (const device::PlannedField& field : context.Plan().fields) {
        if (field.fate != device::FieldFate::Sent) {
            continue;
        }
        const int64_t ink = context.InkDots(field.deviceRect);
        if (ink == 0) {
            continue;
        }
        const double share = double(ink) / (double(field.deviceRect.Width()) * double(field.deviceRect.Height()));
        context.Report(Severity::Warning, QStringLiteral("field-over-ink"), field.childIndex,
                       QCoreApplication::translate("check", "The field lies over printed content (%1 dots of "
                                                            "ink): the printer prints over it.")
                           .arg(ink),
                       {{QStringLiteral("ink_dots"), double(ink)}, {QStringLiteral("ink_share"), share}});
    }
}

} // namespace check
