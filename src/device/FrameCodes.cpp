#include "device/FrameCodes.h"

namespace device {

bool IsKnownCommand(std::uint8_t code)
{
    switch (code) {
    case DEV_CMD_PAGE:
    case DEV_CMD_TIME_FIELD:
    case DEV_CMD_PAGE_IMAGE:
    case DEV_CMD_GLYPH_SET:
    case DEV_CMD_GLYPH:
    case DEV_CMD_GLYPH_SET_END:
    case DEV_CMD_PRINT_IMAGE:
    case DEV_CMD_SET_CLOCK:
    case DEV_CMD_END:
        return true;
    default:
        return false;
    }
}

const char* CommandName(std::uint8_t code)
{
    switch (code) {
    case DEV_CMD_PAGE:
        return "DEV_CMD_PAGE";
    case DEV_CMD_TIME_FIELD:
        return "DEV_CMD_TIME_FIELD";
    case DEV_CMD_PAGE_IMAGE:
        return "DEV_CMD_PAGE_IMAGE";
    case DEV_CMD_GLYPH_SET:
        return "DEV_CMD_GLYPH_SET";
    case DEV_CMD_GLYPH:
        return "DEV_CMD_GLYPH";
    case DEV_CMD_GLYPH_SET_END:
        return "DEV_CMD_GLYPH_SET_END";
    case DEV_CMD_PRINT_IMAGE:
        return "DEV_CMD_PRINT_IMAGE";
    case DEV_CMD_SET_CLOCK:
        return "DEV_CMD_SET_CLOCK";
    case DEV_CMD_END:
        return "DEV_CMD_END";
    default:
        return "unknown";
    }
}

} // namespace device
