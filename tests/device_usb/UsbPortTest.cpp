#include "IoTestSupport.h"
#include "PtyNode.h"

#include "device/usb/BasicUsbPort.h"

#include <gtest/gtest.h>

#include <boost/asio/io_context.hpp>

#include <cerrno>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using device::usb_control_code;
using device::usb_port;
using device_test::completion;
using device_test::pty_node;
using device_test::run_until;
namespace error = boost::asio::error;

class UsbPortTest : public testing::Test
{
protected:
    void open_port()
    {
        ASSERT_FALSE(node.path().empty());
        boost::system::error_code ec;
        port.open(node.path(), ec);
        ASSERT_FALSE(ec) << ec.message();
    }

    // Fills the node's buffer so the next write has to wait for the printer.
    // The terminal layer moves data on behind our back, so fill until a pass
    // after a pause takes nothing more.
    void fill_node()
    {
        const std::vector<char> chunk(4096, 'x');
        for (bool took_more = true; took_more;) {
            took_more = false;
            for (std::size_t size = chunk.size(); size > 0; size /= 2) {
                while (::write(port.native_handle(), chunk.data(), size) > 0) {
                    took_more = true;
                }
                ASSERT_TRUE(errno == EAGAIN || errno == EWOULDBLOCK);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    boost::asio::io_context context;
    usb_port port{context};
    pty_node node;
};

TEST_F(UsbPortTest, OpeningAnOpenPortFailsWithAlreadyOpenAndKeepsTheFirstNode)
{
    open_port();
    const int first = port.native_handle();
    pty_node other;
    boost::system::error_code ec;
    port.open(other.path(), ec);
    EXPECT_EQ(ec, error::already_open);
    EXPECT_TRUE(port.is_open());
    EXPECT_EQ(port.native_handle(), first);
}

TEST_F(UsbPortTest, MissingNodeFailsAndIsNotCreated)
{
    const std::string path = "/tmp/ticket-no-printer-" + std::to_string(::getpid());
    boost::system::error_code ec;
    port.open(path, ec);
    EXPECT_EQ(ec, boost::system::error_code(ENOENT, boost::system::system_category()));
    EXPECT_FALSE(port.is_open());
    struct stat info
    {
    };
    EXPECT_NE(::stat(path.c_str(), &info), 0);
}

TEST_F(UsbPortTest, NodeHeldByAnotherPortIsBusy)
{
    open_port();
    usb_port second(context);
    boost::system::error_code ec;
    second.open(node.path(), ec);
    EXPECT_EQ(ec, boost::system::errc::device_or_resource_busy);
    EXPECT_FALSE(second.is_open());
}

TEST_F(UsbPortTest, ClosedPortRejectsEveryOperationWithBadDescriptor)
{
    const char data[] = "abc";
    completion write;
    write.start([&](auto handler) { port.async_write_some(boost::asio::buffer(data, 3), handler); });
    std::uint8_t status[64] = {};
    completion control;
    control.start([&](auto handler) {
        port.async_device_io_control(usb_control_code::IOCTL_USBPRINT_GET_LPT_STATUS, {},
                                     boost::asio::buffer(status), handler);
    });
    boost::system::error_code cancel_ec;
    port.cancel(cancel_ec);
    EXPECT_EQ(cancel_ec, error::bad_descriptor);

    ASSERT_TRUE(run_until(context, [&] { return write.ran && control.ran; }));
    EXPECT_FALSE(write.ran_inside_start);
    EXPECT_EQ(write.ec, error::bad_descriptor);
    EXPECT_EQ(write.bytes, 0u);
    EXPECT_FALSE(control.ran_inside_start);
    EXPECT_EQ(control.ec, error::bad_descriptor);
    EXPECT_EQ(control.bytes, 0u);

    boost::system::error_code close_ec;
    port.close(close_ec);
    EXPECT_FALSE(close_ec);
}

TEST_F(UsbPortTest, WritesReachTheNodeInOrderAndEmptyRequestsCompleteAtOnce)
{
    open_port();
    completion empty;
    empty.start([&](auto handler) { port.async_write_some(boost::asio::const_buffer(), handler); });
    completion no_control;
    no_control.start([&](auto handler) {
        port.async_device_io_control(usb_control_code::IOCTL_USBPRINT_SOFT_RESET, {}, {}, handler);
    });
    ASSERT_TRUE(run_until(context, [&] { return empty.ran && no_control.ran; }));
    EXPECT_FALSE(empty.ran_inside_start);
    EXPECT_FALSE(empty.ec);
    EXPECT_EQ(empty.bytes, 0u);
    EXPECT_FALSE(no_control.ran_inside_start);
    EXPECT_FALSE(no_control.ec);
    EXPECT_EQ(node.read_written(100), "");

    // The next buffer is started from the previous one's handler, as a transfer does.
    const std::string first = "\x7e"
                              "first",
                      second = "second\x7e";
    completion second_write;
    completion first_write;
    first_write.start([&](auto handler) {
        port.async_write_some(boost::asio::buffer(first), [&, handler](auto ec, std::size_t n) mutable {
            handler(ec, n);
            second_write.start([&](auto next) { port.async_write_some(boost::asio::buffer(second), next); });
        });
    });
    ASSERT_TRUE(run_until(context, [&] { return second_write.ran; }));
    EXPECT_FALSE(first_write.ran_inside_start);
    EXPECT_FALSE(second_write.ran_inside_start);
    EXPECT_FALSE(first_write.ec);
    EXPECT_EQ(first_write.bytes, first.size());
    EXPECT_FALSE(second_write.ec);
    EXPECT_EQ(second_write.bytes, second.size());
    EXPECT_EQ(node.read_written(), first + second);
}

TEST_F(UsbPortTest, CloseAndCancelAbortAPendingWrite)
{
    open_port();
    fill_node();
    const char data[] = "ticket";
    completion write;
    write.start([&](auto handler) { port.async_write_some(boost::asio::buffer(data, 6), handler); });
    EXPECT_FALSE(run_until(
        context, [&] { return write.ran; }, std::chrono::milliseconds(100)));

    boost::system::error_code ec;
    port.cancel(ec);
    EXPECT_FALSE(ec);
    ASSERT_TRUE(run_until(context, [&] { return write.ran; }));
    EXPECT_EQ(write.ec, error::operation_aborted);
    EXPECT_TRUE(port.is_open());

    completion second;
    second.start([&](auto handler) { port.async_write_some(boost::asio::buffer(data, 6), handler); });
    EXPECT_FALSE(run_until(
        context, [&] { return second.ran; }, std::chrono::milliseconds(100)));
    port.close(ec);
    EXPECT_FALSE(ec);
    EXPECT_FALSE(port.is_open());
    ASSERT_TRUE(run_until(context, [&] { return second.ran; }));
    EXPECT_EQ(second.ec, error::operation_aborted);
}

TEST_F(UsbPortTest, CancelOnAnIdleOpenPortSucceeds)
{
    open_port();
    boost::system::error_code ec;
    port.cancel(ec);
    EXPECT_FALSE(ec);
    EXPECT_TRUE(port.is_open());
}

TEST_F(UsbPortTest, StatusRequestOnANodeWithoutThePrinterDriverReportsTheDriverError)
{
    open_port();
    std::uint8_t status[64] = {0x55};
    completion control;
    control.start([&](auto handler) {
        port.async_device_io_control(usb_control_code::IOCTL_USBPRINT_GET_LPT_STATUS, {},
                                     boost::asio::buffer(status), handler);
    });
    ASSERT_TRUE(run_until(context, [&] { return control.ran; }));
    EXPECT_FALSE(control.ran_inside_start);
    EXPECT_EQ(control.ec, boost::system::error_code(ENOTTY, boost::system::system_category()));
    EXPECT_EQ(control.bytes, 0u);
    EXPECT_EQ(status[0], 0x55);
}

TEST_F(UsbPortTest, MovingAPortMovesItsNodeAndLeavesAClosedPort)
{
    open_port();
    const int handle = port.native_handle();
    usb_port moved(std::move(port));
    EXPECT_TRUE(moved.is_open());
    EXPECT_EQ(moved.native_handle(), handle);
    EXPECT_FALSE(port.is_open());
    boost::system::error_code ec;
    port.open(node.path(), ec);
    EXPECT_EQ(ec, boost::system::errc::device_or_resource_busy);
}

} // namespace
