#include "PtyNode.h"

#include <poll.h>

namespace device_test {

std::string pty_node::read_written(int timeout_ms) const
{
    std::string data;
    pollfd readable{master_, POLLIN, 0};
    while (::poll(&readable, 1, data.empty() ? timeout_ms : 50) > 0 && (readable.revents & POLLIN) != 0) {
        char chunk[4096];
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n <= 0) {
            break;
        }
        data.append(chunk, static_cast<std::size_t>(n));
    }
    return data;
}

} // namespace device_test
