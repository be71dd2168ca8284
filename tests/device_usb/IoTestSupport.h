#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/system/error_code.hpp>

#include <chrono>
#include <cstddef>
#include <functional>

namespace device_test {

// Runs the context until done() holds or the time is up; never hangs.
inline bool run_until(boost::asio::io_context& context, const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(5))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    context.restart();
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        context.run_one_for(std::chrono::milliseconds(20));
        context.restart();
    }
    return done();
}

// Records one completion and whether it ran inside the call that started it.
struct completion
{
    bool ran = false;
    bool ran_inside_start = false;
    bool starting = false;
    boost::system::error_code ec;
    std::size_t bytes = 99;

    auto handler()
    {
        return [this](const boost::system::error_code& e, std::size_t n) {
            ran = true;
            ran_inside_start = starting;
            ec = e;
            bytes = n;
        };
    }

    template <typename Start> void start(Start&& start_operation)
    {
        starting = true;
        start_operation(handler());
        starting = false;
    }
};

} // namespace device_test
