#pragma once

namespace MarkupUI {
class CControlUI;
class CFormUI;
} // namespace MarkupUI

namespace check {

// Whether a dynamic field of the form leaves room for its widest value as
// the printer fills it (no field-overflow). False for anything that is not
// a dynamic field the upload sends.
bool WidestValueFits(MarkupUI::CFormUI& form, MarkupUI::CControlUI& field);

// Makes a newly placed field fit its widest value: its glyphs are scaled
// to its box, so how the rounding of their widths adds up depends on the
// box's exact width. Tries widths from the box's own outwards, at most
// reach units wider or narrower, and keeps the first that fits (the
// original when none does). True when the field fits.
bool FitFieldWidth(MarkupUI::CFormUI& form, MarkupUI::CControlUI& field, int reach);

} // namespace check
