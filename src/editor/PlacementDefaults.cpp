#include "editor/PlacementDefaults.h"

#include "check/FieldFit.h"
#include "controls/ControlUI.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"

namespace editor {

namespace {

// The digits of a field are read from across the hall: bold for the
// numbers the customer looks for.
QString FieldFont(int kind)
{
    const bool bold = kind == MarkupUI::kElementQueuingNum || kind == MarkupUI::kElementCurrentNum;
    return QStringLiteral("name='Liberation Mono' height='20' bold='%1'")
        .arg(bold ? QStringLiteral("true") : QStringLiteral("false"));
}

bool IsFieldKind(int kind)
{
    return kind == MarkupUI::kElementQueuingNum || kind == MarkupUI::kElementWaitingCount ||
           kind == MarkupUI::kElementCurrentNum || kind == MarkupUI::kElementTime;
}

// How far a placed field's width may move to fit: a few units, so the box
// stays where and about as large as the operator expects.
constexpr int kFitReach = 12;

} // namespace

platform::Size ClickPlacementSize(int kind)
{
    switch (kind) {
    case MarkupUI::kElementQueuingNum:
        return {120, 56}; // four digits, each glyph well under the 4,096-dot limit
    case MarkupUI::kElementCurrentNum:
        return {96, 40};
    case MarkupUI::kElementWaitingCount:
        return {48, 32};
    case MarkupUI::kElementTime:
        return {200, 24}; // "yyyy-mm-dd HH:MM:SS", the format a new time field has
    default:
        return {60, 30};
    }
}

void ApplyFieldFont(MarkupUI::CControlUI& element)
{
    if (!IsFieldKind(element.GetElementKind())) {
        return;
    }
    element.SetAttribute(QStringLiteral("font"), FieldFont(element.GetElementKind()));
    if (auto* label =
            static_cast<MarkupUI::CDesignLabelUI*>(element.GetInterface(QStringLiteral("DesignLabel")))) {
        label->AutoFitFont(); // the height follows the box
    }
}

void FitPlacedField(MarkupUI::CFormUI& form, MarkupUI::CControlUI& element)
{
    if (IsFieldKind(element.GetElementKind())) {
        check::FitFieldWidth(form, element, kFitReach);
    }
}

} // namespace editor
