#pragma once

namespace MarkupUI {

// Element kind ids; the toolbox uses the same numbers as tool ids.
enum ElementKind : int
{
    kElementNone = 0,
    kElementPointerTool = 100,
    kElementForm = 101,
    kElementPicture = 102,
    kElementText = 103,
    kElementQueuingNum = 104,
    kElementWaitingCount = 105,
    kElementCurrentNum = 106,
    kElementTime = 107,
    kElementHorizontalLine = 108,
    kElementVerticalLine = 109,
    kElementRectangle = 110,
    kElementCircle = 111,
};

} // namespace MarkupUI
