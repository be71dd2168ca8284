#pragma once

#include <umockdev.h>

#include <atomic>
#include <memory>
#include <string>

namespace device_test {

// An emulated udev world holding queue-ticket printers: USB device, printer
// interface and "usbmisc" lp node, with the node backed by a pseudo terminal
// and printer-class ioctls answered by the test. Needs umockdev's preload.
class printer_testbed
{
public:
    struct printer
    {
        std::string usb_syspath;
        std::string interface_syspath;
        std::string node_syspath;
        std::string devnode;  // /dev/usb/lpN
        int master = -1;      // reads what the designer wrote to the node
        std::string pty_path; // the pseudo terminal behind the node
    };

    printer_testbed();
    ~printer_testbed();
    printer_testbed(const printer_testbed&) = delete;
    printer_testbed& operator=(const printer_testbed&) = delete;

    // Adds a printer (no uevent). number gives lpN and the USB port name.
    printer add_printer(int number, const char* vendor = "28e9", const char* product = "028d");
    // Adds a printer and announces it, as plugging it in does.
    printer plug(int number, const char* vendor = "28e9", const char* product = "028d");
    // Announces the removal, then takes node, interface and device away.
    void unplug(printer& gone);

    // The port status byte the emulated driver answers with.
    std::atomic<int> status{0x18};
    std::atomic<int> soft_resets{0};
    // The driver refuses the soft reset with EIO.
    std::atomic<bool> fail_soft_reset{false};

private:
    UMockdevTestbed* testbed_ = nullptr;
    UMockdevIoctlBase* handler_ = nullptr;
};

// Fills the printer's input so that the next write has to wait for it.
void fill_printer(const printer_testbed::printer& printer);

// What a printer node received, waiting at most timeout_ms for the first byte.
std::string read_from(int master, int timeout_ms = 2000);

} // namespace device_test
