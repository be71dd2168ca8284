#include "device/usb/UdevPrinterWatcher.h"

#include <libudev.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

namespace device {

namespace {

// Bounds what a flood of events or stale entries can cost.
constexpr std::size_t kMaxKnownPrinters = 64;
constexpr std::size_t kMaxEventsPerReceive = 256;

struct device_unref
{
    void operator()(udev_device* device) const { udev_device_unref(device); }
};
using device_ptr = std::unique_ptr<udev_device, device_unref>;

std::string_view text_or_empty(const char* text)
{
    return text != nullptr ? std::string_view(text) : std::string_view();
}

// A USB id attribute: up to four hexadecimal digits, as sysfs writes them.
std::optional<unsigned> parse_usb_id(const char* text)
{
    std::string_view digits = text_or_empty(text);
    while (!digits.empty() && (digits.back() == '\n' || digits.back() == ' ')) {
        digits.remove_suffix(1);
    }
    if (digits.empty() || digits.size() > 4) {
        return std::nullopt;
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

bool is_printer_class_node(udev_device* device)
{
    return text_or_empty(udev_device_get_subsystem(device)) == "usbmisc" &&
           text_or_empty(udev_device_get_sysname(device)).substr(0, 2) == "lp" &&
           udev_device_get_devnode(device) != nullptr;
}

printer_node node_of(udev_device* device)
{
    return {std::string(text_or_empty(udev_device_get_syspath(device))),
            std::string(text_or_empty(udev_device_get_devnode(device)))};
}

} // namespace

udev_printer_watcher::udev_printer_watcher() : udev_(udev_new())
{
    if (udev_ == nullptr) {
        return;
    }
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (monitor_ == nullptr) {
        return;
    }
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor_, "usbmisc", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
        udev_monitor_unref(monitor_);
        monitor_ = nullptr;
    }
}

udev_printer_watcher::~udev_printer_watcher()
{
    if (monitor_ != nullptr) {
        udev_monitor_unref(monitor_);
    }
    if (udev_ != nullptr) {
        udev_unref(udev_);
    }
}

int udev_printer_watcher::monitor_fd() const
{
    return monitor_ != nullptr ? udev_monitor_get_fd(monitor_) : -1;
}

bool udev_printer_watcher::is_printer(udev_device* device) const
{
    if (!is_printer_class_node(device)) {
        return false;
    }
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    if (usb == nullptr) {
        return false;
    }
    return parse_usb_id(udev_device_get_sysattr_value(usb, "idVendor")) == kPrinterVendorId &&
           parse_usb_id(udev_device_get_sysattr_value(usb, "idProduct")) == kPrinterProductId;
}

std::vector<printer_node> udev_printer_watcher::enumerate()
{
    std::vector<printer_node> printers;
    if (udev_ == nullptr) {
        return printers;
    }
    udev_enumerate* enumerator = udev_enumerate_new(udev_);
    if (enumerator == nullptr) {
        return printers;
    }
    udev_enumerate_add_match_subsystem(enumerator, "usbmisc");
    udev_enumerate_add_match_sysname(enumerator, "lp*");
    if (udev_enumerate_scan_devices(enumerator) >= 0) {
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerator))
        {
            device_ptr device(udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry)));
            if (device && is_printer(device.get())) {
                printers.push_back(node_of(device.get()));
                remember(printers.back());
            }
        }
    }
    udev_enumerate_unref(enumerator);
    return printers;
}

std::vector<udev_printer_watcher::event> udev_printer_watcher::receive()
{
    std::vector<event> events;
    if (monitor_ == nullptr) {
        return events;
    }
    for (std::size_t i = 0; i < kMaxEventsPerReceive; ++i) {
        device_ptr device(udev_monitor_receive_device(monitor_));
        if (!device) {
            break;
        }
        const std::string_view action = text_or_empty(udev_device_get_action(device.get()));
        if (action == "add" && is_printer(device.get())) {
            events.push_back({change::arrival, node_of(device.get())});
            remember(events.back().node);
        } else if (action == "remove" && is_printer_class_node(device.get())) {
            const printer_node node = node_of(device.get());
            if (forget(node)) {
                events.push_back({change::removal, node});
            }
        }
    }
    return events;
}

void udev_printer_watcher::remember(const printer_node& node)
{
    forget(node);
    if (known_.size() == kMaxKnownPrinters) {
        known_.pop_front();
    }
    known_.push_back(node);
}

bool udev_printer_watcher::forget(const printer_node& node)
{
    const auto same = [&node](const printer_node& known) {
        return known.syspath == node.syspath || known.devnode == node.devnode;
    };
    const auto old_size = known_.size();
    known_.erase(std::remove_if(known_.begin(), known_.end(), same), known_.end());
    return known_.size() != old_size;
}

} // namespace device
