#pragma once

namespace check {

class CheckContext;

// What the upload itself cannot carry: a page that cannot be rendered, an
// ending or starting number past 16 bits, a second field of one number
// kind (the printer keeps one), time fields past 128 and glyph sets past
// 255 (left out).
void CheckUploadLimits(CheckContext& context);

} // namespace check
