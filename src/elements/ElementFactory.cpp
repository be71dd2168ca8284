#include "elements/ElementFactory.h"

#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "elements/NumberElements.h"
#include "elements/PictureUI.h"
#include "elements/ShapeElements.h"
#include "elements/TextEditUI.h"
#include "elements/TimeUI.h"

#include <algorithm>
#include <limits>

namespace MarkupUI {

namespace {
ControlPtr MakeKind(int kind)
{
    switch (kind) {
    case kElementForm:
        return new CFormUI;
    case kElementPicture:
        return new CPictureUI;
    case kElementText:
        return new CTextEditUI;
    case kElementQueuingNum:
        return new CQueuingNumUI;
    case kElementWaitingCount:
        return new CWaitingCountUI;
    case kElementCurrentNum:
        return new CCurrentNumUI;
    case kElementTime:
        return new CTimeUI;
    case kElementHorizontalLine:
        return new CHorzontalLineUI;
    case kElementVerticalLine:
        return new CVerticalLineUI;
    case kElementRectangle:
        return new CRectangleUI;
    case kElementCircle:
        return new CCircularUI;
    default:
        return nullptr;
    }
}

// A size that does not fit in 32 bits becomes the largest that does.
int32_t ClampExtent(int64_t extent)
{
    return static_cast<int32_t>(std::min<int64_t>(extent, std::numeric_limits<int32_t>::max()));
}
} // namespace

ControlPtr CreateElement(int kind, const platform::Rect& rect)
{
    ControlPtr element = MakeKind(kind);
    if (element) {
        element->SetFixedXY(platform::Size{rect.left, rect.top});
        element->SetFixedWidth(ClampExtent(rect.Width()));
        element->SetFixedHeight(ClampExtent(rect.Height()));
    }
    return element;
}

} // namespace MarkupUI
