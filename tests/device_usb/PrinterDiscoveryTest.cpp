#include "PrinterTestbed.h"

#include "device/usb/PrinterConnection.h"

#include <gtest/gtest.h>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>

#include <array>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <poll.h>

namespace {

using device::printer_connection;
using device::udev_printer_watcher;
using device::usb_port;
using device_test::printer_testbed;
using namespace std::chrono_literals;

// The designer's device side: an I/O thread, the port, the watcher created
// before anything is enumerated, and the status reports it receives.
class PrinterDiscoveryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        io_thread = std::thread([this] { context.run(); });
    }

    void TearDown() override
    {
        boost::system::error_code ignored;
        port.close(ignored);
        work.reset();
        context.stop();
        io_thread.join();
    }

    // The next status report, waiting a bounded time.
    std::optional<std::uint8_t> next_status(std::chrono::milliseconds limit = 5s)
    {
        std::unique_lock lock(mutex);
        if (!reported.wait_for(lock, limit, [this] { return !statuses.empty(); })) {
            return std::nullopt;
        }
        const auto status = statuses.front();
        statuses.erase(statuses.begin());
        return status;
    }

    // Lets the connection handle what the monitor has, as the UI's socket
    // watch does when the socket turns readable.
    void pump_monitor(std::chrono::milliseconds limit = 2s)
    {
        pollfd readable{watcher.monitor_fd(), POLLIN, 0};
        if (::poll(&readable, 1, static_cast<int>(limit.count())) > 0) {
            connection.on_monitor_readable();
        }
    }

    std::string written_to(const printer_testbed::printer& printer)
    {
        const std::string ticket = "\x7e"
                                   "ticket\x7e";
        std::mutex done_mutex;
        std::condition_variable done_cv;
        bool done = false;
        boost::system::error_code result;
        port.async_write_some(boost::asio::buffer(ticket), [&](auto ec, std::size_t) {
            std::lock_guard lock(done_mutex);
            result = ec;
            done = true;
            done_cv.notify_all();
        });
        std::unique_lock lock(done_mutex);
        if (!done_cv.wait_for(lock, 5s, [&] { return done; }) || result) {
            return "write failed: " + result.message();
        }
        return device_test::read_from(printer.master, 500);
    }

    printer_testbed bed;
    boost::asio::io_context context;
    boost::asio::executor_work_guard<boost::asio::io_context::executor_type> work{context.get_executor()};
    std::thread io_thread;
    usb_port port{context};
    udev_printer_watcher watcher;
    std::mutex mutex;
    std::condition_variable reported;
    std::vector<std::uint8_t> statuses;
    printer_connection connection{port, watcher, [this](std::uint8_t status) {
                                      std::lock_guard lock(mutex);
                                      statuses.push_back(status);
                                      reported.notify_all();
                                  }};
};

TEST_F(PrinterDiscoveryTest, StartUpOpensThePrinterAndReportsItsStatus)
{
    auto printer = bed.add_printer(0);
    ASSERT_TRUE(watcher.is_valid());
    connection.start();
    ASSERT_TRUE(port.is_open());
    EXPECT_EQ(next_status(), 0x18);
    EXPECT_EQ(written_to(printer), "\x7e"
                                   "ticket\x7e");
}

TEST_F(PrinterDiscoveryTest, SoftResetReachesThePrinterDriver)
{
    bed.add_printer(0);
    connection.start();
    ASSERT_TRUE(port.is_open());
    EXPECT_EQ(next_status(), 0x18);

    const std::string reset_input = "01234567989abcdef0123456789.";
    std::array<std::uint8_t, 64> output{};
    std::promise<boost::system::error_code> result;
    port.async_device_io_control(device::usb_control_code::IOCTL_USBPRINT_SOFT_RESET,
                                 boost::asio::buffer(reset_input), boost::asio::buffer(output),
                                 [&](auto ec, std::size_t) { result.set_value(ec); });
    auto done = result.get_future();
    ASSERT_EQ(done.wait_for(5s), std::future_status::ready);
    EXPECT_FALSE(done.get());
    EXPECT_EQ(bed.soft_resets.load(), 1);
}

TEST_F(PrinterDiscoveryTest, FirstStatusReadReportsEvenTheNoPrinterValue)
{
    bed.status = 0x08;
    bed.add_printer(0);
    connection.start();
    ASSERT_TRUE(port.is_open());
    EXPECT_EQ(next_status(), 0x08);
}

TEST_F(PrinterDiscoveryTest, OnlyTheFirstOfTwoPrintersIsOpenedAndLaterArrivalsAreIgnored)
{
    auto first = bed.add_printer(0);
    auto second = bed.add_printer(1);
    connection.start();
    ASSERT_TRUE(port.is_open());
    EXPECT_EQ(next_status(), 0x18);
    EXPECT_EQ(written_to(first), "\x7e"
                                 "ticket\x7e");
    EXPECT_EQ(device_test::read_from(second.master, 100), "");

    auto third = bed.plug(2);
    pump_monitor();
    EXPECT_EQ(written_to(first), "\x7e"
                                 "ticket\x7e");
    EXPECT_EQ(next_status(200ms), std::nullopt);
}

TEST_F(PrinterDiscoveryTest, UnplugClosesAndReportsNoPrinterAndReplugOpensAgain)
{
    auto printer = bed.add_printer(0);
    connection.start();
    ASSERT_TRUE(port.is_open());
    EXPECT_EQ(next_status(), 0x18);

    bed.unplug(printer);
    pump_monitor();
    EXPECT_FALSE(port.is_open());
    EXPECT_EQ(next_status(), 0x08);
    EXPECT_EQ(connection.port_status(), 0x08);

    bed.status = 0x38;
    printer = bed.plug(0);
    pump_monitor();
    ASSERT_TRUE(port.is_open());
    EXPECT_EQ(next_status(), 0x38);
    EXPECT_EQ(written_to(printer), "\x7e"
                                   "ticket\x7e");
}

TEST_F(PrinterDiscoveryTest, RemovingAnotherOfOurPrintersAlsoClosesThePort)
{
    auto first = bed.add_printer(0);
    auto second = bed.add_printer(1);
    connection.start();
    ASSERT_TRUE(port.is_open());
    EXPECT_EQ(next_status(), 0x18);

    bed.unplug(second);
    pump_monitor();
    EXPECT_FALSE(port.is_open());
    EXPECT_EQ(next_status(), 0x08);
}

TEST_F(PrinterDiscoveryTest, OtherDevicesAreNeitherOpenedNorAbleToClose)
{
    bed.add_printer(0, "28e9", "0001");
    bed.add_printer(1, "1234", "028d");
    connection.start();
    EXPECT_FALSE(port.is_open());

    auto printer = bed.plug(2);
    pump_monitor();
    ASSERT_TRUE(port.is_open());
    EXPECT_EQ(next_status(), 0x18);

    auto stranger = bed.plug(3, "04b8", "0005");
    pump_monitor();
    bed.unplug(stranger);
    pump_monitor();
    EXPECT_TRUE(port.is_open());
    EXPECT_EQ(written_to(printer), "\x7e"
                                   "ticket\x7e");
}

TEST_F(PrinterDiscoveryTest, StatusBytesMapToTheirTexts)
{
    const std::pair<int, int> cases[] = {{0x18, 312}, {0x38, 194}, {0x30, 311}, {0x00, 311}, {0x08, 310}};
    for (const auto& [status, text] : cases) {
        bed.status = status;
        auto printer = bed.plug(0);
        pump_monitor();
        ASSERT_TRUE(port.is_open()) << status;
        const auto read = next_status();
        ASSERT_TRUE(read.has_value()) << status;
        EXPECT_EQ(device::port_status_text_id(*read), text) << status;
        bed.unplug(printer);
        pump_monitor();
        EXPECT_EQ(next_status(), 0x08);
    }
}

} // namespace
