#pragma once

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <string>

namespace device_test {

// A pseudo terminal standing in for the printer's node: the port opens the
// slave by name, the test reads what was written from the master.
class pty_node
{
public:
    pty_node()
    {
        char name[256] = {};
        int slave = -1;
        if (::openpty(&master_, &slave, name, nullptr, nullptr) == 0) {
            ::close(slave);
            termios raw{};
            ::tcgetattr(master_, &raw);
            ::cfmakeraw(&raw);
            ::tcsetattr(master_, TCSANOW, &raw);
            path_ = name;
        }
    }
    ~pty_node()
    {
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    pty_node(const pty_node&) = delete;
    pty_node& operator=(const pty_node&) = delete;

    const std::string& path() const { return path_; }
    int master() const { return master_; }

    // Everything written to the node so far, waiting at most timeout_ms.
    std::string read_written(int timeout_ms = 2000) const;

private:
    int master_ = -1;
    std::string path_;
};

} // namespace device_test
