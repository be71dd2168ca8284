#include "emulator/LivePrinter.h"

#include "emulator/StreamFile.h"

#include <umockdev.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include <fcntl.h>
#include <linux/lp.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

namespace emulator {

namespace {

constexpr unsigned long kSoftReset = _IOC(_IOC_NONE, 'P', 7, 0);

struct IoctlAnswers
{
    int status = 0x18;
    std::atomic<int> softResets{0};
};

// Runs on umockdev's worker thread for every ioctl on the node.
gboolean AnswerIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data)
{
    auto* answers = static_cast<IoctlAnswers*>(data);
    const gulong request = umockdev_ioctl_client_get_request(client);
    if (request == LPGETSTATUS) {
        UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
        UMockdevIoctlData* out = umockdev_ioctl_data_resolve(arg, 0, sizeof(int), nullptr);
        if (out == nullptr) {
            umockdev_ioctl_client_complete(client, -1, EFAULT);
            return TRUE;
        }
        std::memcpy(out->data, &answers->status, sizeof(int));
        umockdev_ioctl_client_complete(client, 0, 0);
        g_object_unref(out);
        return TRUE;
    }
    if (request == kSoftReset) {
        ++answers->softResets;
        umockdev_ioctl_client_complete(client, 0, 0);
        return TRUE;
    }
    int error = 0;
    const int result = umockdev_ioctl_client_execute(client, &error, nullptr);
    umockdev_ioctl_client_complete(client, result, error);
    return TRUE;
}

std::string Take(gchar* text)
{
    std::string copy = text != nullptr ? text : "";
    g_free(text);
    return copy;
}

// Adds the printer to the testbed; returns the pty master that receives
// what is written to /dev/usb/lp0, or -1 with error set.
int AddPrinter(UMockdevTestbed* bed, UMockdevIoctlBase* handler, std::string& error)
{
    const std::string usb =
        Take(umockdev_testbed_add_device(bed, "usb", "1-1", nullptr, "idVendor", "28e9", "idProduct", "028d",
                                         nullptr, "DEVTYPE", "usb_device", nullptr));
    const std::string interface =
        Take(umockdev_testbed_add_device(bed, "usb", "1-1:1.0", usb.c_str(), "bInterfaceClass", "07", nullptr,
                                         "DEVTYPE", "usb_interface", nullptr));
    const std::string node =
        Take(umockdev_testbed_add_device(bed, "usbmisc", "lp0", interface.c_str(), "dev", "180:0", nullptr,
                                         "DEVNAME", "/dev/usb/lp0", nullptr));
    if (usb.empty() || interface.empty() || node.empty()) {
        error = "cannot add the emulated printer to the udev test bed";
        return -1;
    }
    int master = -1;
    int slave = -1;
    char ptyName[256] = {};
    if (::openpty(&master, &slave, ptyName, nullptr, nullptr) != 0) {
        error = std::string("cannot open a pseudo terminal: ") + std::strerror(errno);
        return -1;
    }
    ::close(slave);
    termios raw{};
    ::tcgetattr(master, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(master, TCSANOW, &raw);
    const std::string root = umockdev_testbed_get_root_dir(bed);
    g_mkdir_with_parents((root + "/dev/usb").c_str(), 0755);
    if (::symlink(ptyName, (root + "/dev/usb/lp0").c_str()) != 0) {
        error = std::string("cannot create the printer node: ") + std::strerror(errno);
        ::close(master);
        return -1;
    }
    umockdev_testbed_attach_ioctl(bed, "/dev/usb/lp0", handler, nullptr);
    return master;
}

// Reads what has arrived, at most limit bytes; false when nothing came
// within timeoutMs.
bool Drain(int master, std::vector<std::uint8_t>& stream, int timeoutMs, std::size_t limit)
{
    pollfd readable{master, POLLIN, 0};
    if (::poll(&readable, 1, timeoutMs) <= 0 || (readable.revents & POLLIN) == 0) {
        return false;
    }
    std::uint8_t chunk[65536];
    const ssize_t n = ::read(master, chunk, std::min(sizeof chunk, limit));
    if (n <= 0) {
        return false;
    }
    if (stream.size() + static_cast<std::size_t>(n) > kMaxStreamBytes) {
        return false; // refuse to grow without bound; the rest is dropped
    }
    stream.insert(stream.end(), chunk, chunk + n);
    return true;
}

// A slow printer: what it may have taken since it started at its rate.
class RateLimit
{
public:
    explicit RateLimit(int bytesPerSecond) : m_bytesPerSecond(bytesPerSecond) {}

    // How many more bytes the printer takes now, having taken received.
    std::size_t Allowance(std::size_t received) const
    {
        if (m_bytesPerSecond <= 0) {
            return std::numeric_limits<std::size_t>::max();
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - m_started).count();
        const auto allowed = static_cast<std::size_t>(seconds * m_bytesPerSecond);
        return allowed > received ? allowed - received : 0;
    }

private:
    using Clock = std::chrono::steady_clock;
    int m_bytesPerSecond;
    Clock::time_point m_started = Clock::now();
};

pid_t Spawn(const std::vector<std::string>& command, std::string& error, int& spawnError)
{
    // The program inherits the preload and $UMOCKDEV_DIR from us.
    std::vector<std::string> args = command;
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int rc = ::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (rc != 0) {
        error = "cannot run " + command.front() + ": " + std::strerror(rc);
        spawnError = rc;
        return -1;
    }
    return pid;
}

} // namespace

void RunUnderPreload(char** argv)
{
    const char* preload = std::getenv("LD_PRELOAD");
    if (preload != nullptr && std::strstr(preload, "libumockdev-preload") != nullptr) {
        return;
    }
    const std::string value = std::string("libumockdev-preload.so.0") +
                              (preload != nullptr && *preload != '\0' ? std::string(":") + preload : "");
    ::setenv("LD_PRELOAD", value.c_str(), 1);
    ::execv("/proc/self/exe", argv);
    // Only reached when the program cannot be run again; setting up the
    // printer then fails with a message.
}

LiveResult RunLivePrinter(const LiveOptions& options)
{
    LiveResult result;
    if (options.command.empty()) {
        result.error = "no program to run";
        return result;
    }
    IoctlAnswers answers;
    answers.status = options.portStatus;
    // Sets $UMOCKDEV_DIR, which the program inherits.
    UMockdevTestbed* bed = umockdev_testbed_new();
    UMockdevIoctlBase* handler = umockdev_ioctl_base_new();
    g_signal_connect(handler, "handle-ioctl", G_CALLBACK(AnswerIoctl), &answers);
    const int master = AddPrinter(bed, handler, result.error);
    if (master >= 0) {
        const pid_t pid = Spawn(options.command, result.error, result.spawnError);
        if (pid > 0) {
            const RateLimit rate(options.bytesPerSecond);
            int status = 0;
            for (;;) {
                const std::size_t allowance = rate.Allowance(result.stream.size());
                if (allowance > 0) {
                    Drain(master, result.stream, 50, allowance);
                } else {
                    ::usleep(5000); // the printer is still busy with what it took
                }
                const pid_t done = ::waitpid(pid, &status, WNOHANG);
                if (done == pid || (done < 0 && errno != EINTR)) {
                    break;
                }
            }
            // What the program wrote before it ended has all been sent.
            while (Drain(master, result.stream, 100, std::numeric_limits<std::size_t>::max())) {
            }
            result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        ::close(master);
    }
    result.softResets = answers.softResets.load();
    g_object_unref(bed);
    g_object_unref(handler);
    return result;
}

} // namespace emulator
