#pragma once

namespace check {

class CheckContext;

// Text too small to read on paper: the ink of a dynamic field's digit
// glyphs, and the capitals and digits (or Chinese characters) of a static
// text as the page image prints them, against kMinLegibleHeightMm and the
// dot minimums of CheckThresholds.h.
void CheckLegibility(CheckContext& context);

} // namespace check
