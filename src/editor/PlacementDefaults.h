#pragma once

#include "platform/Geometry.h"

#include <QString>

namespace MarkupUI {
class CControlUI;
class CFormUI;
} // namespace MarkupUI

namespace editor {

// The box an element placed by a single click gets, its top-left corner at
// the click. The printer's fields get boxes their widest values fit in;
// everything else 60 x 30.
platform::Size ClickPlacementSize(int kind);

// A ticket number, waiting count, now-serving number or time placed by a
// click gets an installed monospaced face, whose digits, separators and
// space are one width, so its widest value is as wide as its sample.
void ApplyFieldFont(MarkupUI::CControlUI& element);

// Then its box's width is nudged until the widest value fits as the printer
// fills it. Other kinds are left as they are.
void FitPlacedField(MarkupUI::CFormUI& form, MarkupUI::CControlUI& element);

} // namespace editor
