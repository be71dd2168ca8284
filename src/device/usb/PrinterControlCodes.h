#pragma once

#include <sys/ioctl.h>

namespace device {

// The two control requests of the kernel's USB printer-class driver the
// device link needs. The values are the driver's ioctl request numbers.
enum class usb_control_code : unsigned long
{
    // Soft reset of the printer interface; takes no argument.
    IOCTL_USBPRINT_SOFT_RESET = _IOC(_IOC_NONE, 'P', 7, 0),
    // One-byte printer-class port status, returned in an int (LPGETSTATUS).
    IOCTL_USBPRINT_GET_LPT_STATUS = 0x060b,
};

} // namespace device
