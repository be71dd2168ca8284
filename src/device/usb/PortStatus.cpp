#include "device/usb/PortStatus.h"

namespace device {

int port_status_text_id(std::uint8_t status)
{
    if ((status & kPortStatusNotError) == 0) {
        return kTextPrinterHasError;
    }
    if ((status & kPortStatusPaperEmpty) != 0) {
        return kTextPaperEmpty;
    }
    if ((status & kPortStatusSelected) != 0) {
        return kTextPrinterStatusNormal;
    }
    return kTextPleaseConnectPrinter;
}

} // namespace device
