// The fields the printer fills in draw their samples in the design view but
// nothing into the page image.
#include "elements/NumberElements.h"
#include "elements/TimeUI.h"

namespace MarkupUI {

void CQueuingNumUI::DoPaintStatic(platform::DrawingContext&, const platform::Rect&) {}

void CWaitingCountUI::DoPaintStatic(platform::DrawingContext&, const platform::Rect&) {}

void CCurrentNumUI::DoPaintStatic(platform::DrawingContext&, const platform::Rect&) {}

void CTimeUI::DoPaintStatic(platform::DrawingContext&, const platform::Rect&) {}

} // namespace MarkupUI
