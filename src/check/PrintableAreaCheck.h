#pragma once

namespace check {

class CheckContext;

// Elements wholly in the margins or off the page (left out of the ticket)
// and elements partly outside the printable area (cut at its edge).
void CheckPrintableArea(CheckContext& context);

} // namespace check
