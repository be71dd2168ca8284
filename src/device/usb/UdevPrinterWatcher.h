#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

struct udev;
struct udev_device;
struct udev_monitor;

namespace device {

// The queue-ticket printer's USB identity.
inline constexpr unsigned kPrinterVendorId = 0x28E9;
inline constexpr unsigned kPrinterProductId = 0x028D;

// A printer-class device node of the queue-ticket printer.
struct printer_node
{
    std::string syspath; // /sys/.../lpN
    std::string devnode; // /dev/usb/lpN
};

// Finds the queue-ticket printers among the printer-class nodes the kernel
// exposes (udev subsystem "usbmisc", nodes "lp*") and follows their arrival
// and removal. Removal events no longer reach the USB ids (the device is
// gone from sysfs), so a removal is matched against the printers seen before,
// by syspath or device node.
//
// Not thread-safe: meant for the user-interface thread, which watches
// monitor_fd() for readability and then calls receive().
class udev_printer_watcher
{
public:
    enum class change
    {
        arrival,
        removal
    };

    struct event
    {
        change kind;
        printer_node node;
    };

    // Creates the monitor first, so a printer plugged in while the present
    // ones are enumerated is not missed.
    udev_printer_watcher();
    ~udev_printer_watcher();

    udev_printer_watcher(const udev_printer_watcher&) = delete;
    udev_printer_watcher& operator=(const udev_printer_watcher&) = delete;

    // False when udev or its monitor could not be set up; nothing is found then.
    bool is_valid() const { return udev_ != nullptr && monitor_ != nullptr; }

    // The monitor's socket, -1 when there is none.
    int monitor_fd() const;

    // The printers present now, in udev's order.
    std::vector<printer_node> enumerate();

    // The printer events pending on the monitor, oldest first; other devices'
    // events are dropped.
    std::vector<event> receive();

private:
    bool is_printer(udev_device* device) const;
    void remember(const printer_node& node);
    bool forget(const printer_node& node);

    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    std::deque<printer_node> known_;
};

} // namespace device
