#include "PrinterTestbed.h"

#include <cerrno>

#include <fcntl.h>
#include <string>

#include <linux/lp.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace device_test {

namespace {

constexpr unsigned long kSoftReset = _IOC(_IOC_NONE, 'P', 7, 0);

// Runs on umockdev's worker thread for every ioctl on an attached node.
gboolean answer_ioctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data)
{
    auto* bed = static_cast<printer_testbed*>(data);
    const gulong request = umockdev_ioctl_client_get_request(client);
    if (request == LPGETSTATUS) {
        UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
        UMockdevIoctlData* out = umockdev_ioctl_data_resolve(arg, 0, sizeof(int), nullptr);
        if (out == nullptr) {
            umockdev_ioctl_client_complete(client, -1, EFAULT);
            return TRUE;
        }
        *static_cast<int*>(static_cast<void*>(out->data)) = bed->status.load();
        umockdev_ioctl_client_complete(client, 0, 0);
        g_object_unref(out);
        return TRUE;
    }
    if (request == kSoftReset) {
        ++bed->soft_resets;
        if (bed->fail_soft_reset) {
            umockdev_ioctl_client_complete(client, -1, EIO);
        } else {
            umockdev_ioctl_client_complete(client, 0, 0);
        }
        return TRUE;
    }
    // Everything else (Asio's FIONBIO among them) reaches the pty itself.
    int error = 0;
    const int result = umockdev_ioctl_client_execute(client, &error, nullptr);
    umockdev_ioctl_client_complete(client, result, error);
    return TRUE;
}

std::string take(gchar* text)
{
    std::string copy = text != nullptr ? text : "";
    g_free(text);
    return copy;
}

} // namespace

printer_testbed::printer_testbed() : testbed_(umockdev_testbed_new()), handler_(umockdev_ioctl_base_new())
{
    g_signal_connect(handler_, "handle-ioctl", G_CALLBACK(answer_ioctl), this);
}

printer_testbed::~printer_testbed()
{
    g_object_unref(testbed_);
    g_object_unref(handler_);
}

printer_testbed::printer printer_testbed::add_printer(int number, const char* vendor, const char* product)
{
    printer added;
    const std::string port = "1-" + std::to_string(number + 1);
    const std::string lp = "lp" + std::to_string(number);
    const std::string dev = "180:" + std::to_string(number);
    added.devnode = "/dev/usb/" + lp;
    added.usb_syspath =
        take(umockdev_testbed_add_device(testbed_, "usb", port.c_str(), nullptr, "idVendor", vendor,
                                         "idProduct", product, nullptr, "DEVTYPE", "usb_device", nullptr));
    added.interface_syspath = take(
        umockdev_testbed_add_device(testbed_, "usb", (port + ":1.0").c_str(), added.usb_syspath.c_str(),
                                    "bInterfaceClass", "07", nullptr, "DEVTYPE", "usb_interface", nullptr));
    added.node_syspath = take(
        umockdev_testbed_add_device(testbed_, "usbmisc", lp.c_str(), added.interface_syspath.c_str(), "dev",
                                    dev.c_str(), nullptr, "DEVNAME", added.devnode.c_str(), nullptr));

    // A pty of our own behind the node name: umockdev cannot create the same
    // pty node twice, and a printer may be plugged in again.
    char pty_name[256] = {};
    int slave = -1;
    if (::openpty(&added.master, &slave, pty_name, nullptr, nullptr) != 0) {
        return added;
    }
    ::close(slave);
    added.pty_path = pty_name;
    termios raw{};
    ::tcgetattr(added.master, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(added.master, TCSANOW, &raw);
    const std::string root = umockdev_testbed_get_root_dir(testbed_);
    const std::string dir = root + "/dev/usb";
    g_mkdir_with_parents(dir.c_str(), 0755);
    const std::string link = root + added.devnode;
    ::unlink(link.c_str());
    if (::symlink(pty_name, link.c_str()) != 0) {
        return added;
    }
    umockdev_testbed_attach_ioctl(testbed_, added.devnode.c_str(), handler_, nullptr);
    return added;
}

printer_testbed::printer printer_testbed::plug(int number, const char* vendor, const char* product)
{
    printer added = add_printer(number, vendor, product);
    umockdev_testbed_uevent(testbed_, added.node_syspath.c_str(), "add");
    return added;
}

void printer_testbed::unplug(printer& gone)
{
    umockdev_testbed_uevent(testbed_, gone.node_syspath.c_str(), "remove");
    umockdev_testbed_detach_ioctl(testbed_, gone.devnode.c_str(), nullptr);
    const std::string link = std::string(umockdev_testbed_get_root_dir(testbed_)) + gone.devnode;
    ::unlink(link.c_str());
    umockdev_testbed_remove_device(testbed_, gone.node_syspath.c_str());
    umockdev_testbed_remove_device(testbed_, gone.interface_syspath.c_str());
    umockdev_testbed_remove_device(testbed_, gone.usb_syspath.c_str());
    if (gone.master >= 0) {
        ::close(gone.master);
        gone.master = -1;
    }
}

void fill_printer(const printer_testbed::printer& printer)
{
    const int fd = ::open(printer.pty_path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    // The terminal layer moves data on behind our back: fill until a pass
    // after a pause takes nothing more.
    const std::string chunk(4096, 'x');
    for (bool took_more = true; took_more;) {
        took_more = false;
        for (std::size_t size = chunk.size(); size > 0; size /= 2) {
            while (::write(fd, chunk.data(), size) > 0) {
                took_more = true;
            }
        }
        ::usleep(50000);
    }
    ::close(fd);
}

std::string read_from(int master, int timeout_ms)
{
    std::string data;
    pollfd readable{master, POLLIN, 0};
    while (::poll(&readable, 1, data.empty() ? timeout_ms : 50) > 0 && (readable.revents & POLLIN) != 0) {
        char chunk[4096];
        const ssize_t n = ::read(master, chunk, sizeof chunk);
        if (n <= 0) {
            break;
        }
        data.append(chunk, static_cast<std::size_t>(n));
    }
    return data;
}

} // namespace device_test
