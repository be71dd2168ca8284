#pragma once

namespace check {

class CheckContext;

// Dynamic fields whose box holds ink of the page image: the printer prints
// the field's glyphs over it.
void CheckOverlaps(CheckContext& context);

} // namespace check
