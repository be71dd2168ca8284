#include "check/PrintableAreaCheck.h"

#include "check/CheckContext.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"

#include <QCoreApplication>

namespace check {

namespace {

bool IsDynamic(int kind)
{
    return kind >= MarkupUI::kElementQueuingNum && kind <= MarkupUI::kElementTime;
}

bool IsStatic(int kind)
{
    return kind == MarkupUI::kElementPicture || kind == MarkupUI::kElementText ||
           (kind >= MarkupUI::kElementHorizontalLine && kind <= MarkupUI::kElementCircle);
}

std::vector<FindingValue> AreaValues(const platform::Rect& printable, double share)
{
    return {{QStringLiteral("printed_share"), share},
            {QStringLiteral("printable_left"), double(printable.left)},
            {QStringLiteral("printable_top"), double(printable.top)},
            {QStringLiteral("printable_right"), double(printable.right)},
            {QStringLiteral("printable_bottom"), double(printable.bottom)}};
}

} // namespace

void CheckPrintableArea(CheckContext& context)
{
    // Without a printable area nothing prints; the page finding says so.
    if (context.PrintableView().IsEmpty()) {
        return;
    }
    const platform::Rect printable = context.PrintableView();
    for (int i = 0; i < context.Form().GetCount(); ++i) {
        const MarkupUI::CControlUI& child = context.Child(i);
        const int kind = child.GetElementKind();
        // Hidden static elements draw nothing; the upload sends dynamic
        // fields whether they show or not.
        if (!IsDynamic(kind) && !(IsStatic(kind) && child.IsVisible())) {
            continue;
        }
        const platform::Rect pos = child.GetPos();
        // A field is left out exactly when the upload finds no dots for it.
        const device::PlannedField* field = context.FieldAt(i);
        const bool leftOut = field != nullptr && field->fate == device::FieldFate::OutsidePrintable;
        if (pos.IsEmpty() && !leftOut) {
            continue;
        }
        const platform::Rect inside = platform::Intersect(pos, printable);
        const double share = pos.IsEmpty() ? 0.0
                                           : double(inside.Width()) * double(inside.Height()) /
                                                 (double(pos.Width()) * double(pos.Height()));
        if (leftOut || (field == nullptr && inside.IsEmpty())) {
            context.Report(Severity::Error, QStringLiteral("outside-printable"), i,
                           QCoreApplication::translate("check", "Nothing of it lies in the printable area: it is "
                                                                "left out of the ticket."),
                           AreaValues(printable, 0.0));
        } else if (inside != pos && !inside.IsEmpty()) {
            context.Report(Severity::Warning, QStringLiteral("partly-outside"), i,
                           QCoreApplication::translate("check", "Part of it lies outside the printable area and "
                                                                "is cut off."),
                           AreaValues(printable, share));
        }
    }
}

} // namespace check
