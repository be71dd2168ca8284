#pragma once

namespace check {

class CheckContext;

// The dynamic fields the upload sends, by the glyphs it sends: a number
// length shorter than the ending number needs, a widest value wider than
// the field's box, glyphs without size, glyphs shrunk by the 4,096-dot
// limit.
void CheckFieldWidths(CheckContext& context);

} // namespace check
