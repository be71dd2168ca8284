#pragma once

#include "controls/ControlUI.h"
#include "platform/Geometry.h"

namespace MarkupUI {

// Creates the element of a kind (101 form to 111 circle) with its creation
// set-up, placed at rect's top-left corner (relative to the form) with
// rect's size. Any other kind gives null.
ControlPtr CreateElement(int kind, const platform::Rect& rect);

} // namespace MarkupUI
