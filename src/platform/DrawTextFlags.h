#pragma once

#include <cstdint>

namespace platform {

// Text style bits of the drawing interface templates were made with; the
// values are stored in memory and honoured by text drawing and measuring.
enum DrawTextFlag : uint32_t
{
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOPREFIX = 0x800,
    DT_EDITCONTROL = 0x2000,
    DT_END_ELLIPSIS = 0x8000,
};

} // namespace platform
