#include "device_usb/PrinterTestbed.h"

#include "device/ClockTransaction.h"
#include "device/FrameBuilder.h"
#include "device/FrameCodes.h"
#include "device/link/DeviceLink.h"
#include "emulator/SampleTemplate.h"
#include "emulator/StreamDecoder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <poll.h>

namespace {

using device::BufferList;
using device::DeviceLink;
using device_test::printer_testbed;
using namespace std::chrono_literals;
using Step = std::pair<int, int>;

// A print-image transaction of exactly 200 buffers: header, image header,
// 197 bit buffers of 512 bytes, end frame.
BufferList TwoHundredBuffers()
{
    device::PackedImage image = device::PackedImage::Blank(4096, 197);
    for (std::size_t i = 0; i < image.bits.size(); ++i) {
        image.bits[i] = static_cast<std::uint8_t>(i * 7);
    }
    BufferList list;
    device::AppendImageFrames(list, device::DEV_CMD_PRINT_IMAGE, image);
    device::AppendHeader(list, device::DEV_CMD_END, 0, 0);
    return list;
}

// The device link as the main window owns it, with the reports it would
// receive through queued calls collected in order.
class DeviceLinkTest : public testing::Test
{
protected:
    std::optional<Step> NextStep(std::chrono::milliseconds limit = 5s)
    {
        std::unique_lock lock(mutex);
        if (!changed.wait_for(lock, limit, [this] { return !steps.empty(); })) {
            return std::nullopt;
        }
        const Step step = steps.front();
        steps.erase(steps.begin());
        return step;
    }

    // Every step up to the transfer's last report (success or failure).
    std::vector<Step> StepsToEnd(std::chrono::milliseconds limit = 10s)
    {
        std::vector<Step> seen;
        while (auto step = NextStep(limit)) {
            seen.push_back(*step);
            if (step->first == -1 || step->first == step->second) {
                break;
            }
        }
        return seen;
    }

    std::optional<int> NextStatusText(std::chrono::milliseconds limit = 5s)
    {
        std::unique_lock lock(mutex);
        if (!changed.wait_for(lock, limit, [this] { return !texts.empty(); })) {
            return std::nullopt;
        }
        const int text = texts.front();
        texts.erase(texts.begin());
        return text;
    }

    void PumpMonitor()
    {
        pollfd readable{link.MonitorFd(), POLLIN, 0};
        if (::poll(&readable, 1, 2000) > 0) {
            link.OnMonitorReadable();
        }
    }

    // What reached the printer, decoded as the printer would.
    emulator::PrinterState Decoded(const printer_testbed::printer& printer)
    {
        const std::string bytes = device_test::read_from(printer.master, 2000);
        emulator::PrinterState state;
        const auto fault = emulator::DecodeStream(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, state);
        EXPECT_FALSE(fault.has_value()) << fault->ToString();
        return state;
    }

    printer_testbed bed;
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Step> steps;
    std::vector<int> texts;
    DeviceLink link{{[this](std::uint8_t, int text) {
                         std::lock_guard lock(mutex);
                         texts.push_back(text);
                         changed.notify_all();
                     },
                     [this](int step, int count) {
                         std::lock_guard lock(mutex);
                         steps.emplace_back(step, count);
                         changed.notify_all();
                     }}};
};

TEST_F(DeviceLinkTest, SetClockReachesThePrinterAsThatClockValue)
{
    auto printer = bed.add_printer(0);
    EXPECT_FALSE(link.Start());
    EXPECT_EQ(NextStatusText(), 312);
    EXPECT_TRUE(link.CanRunDeviceCommand());

    ASSERT_TRUE(link.StartTransfer(device::BuildClockTransaction({2024, 3, 1, 0, 0, 0})));
    EXPECT_FALSE(link.CanRunDeviceCommand());
    EXPECT_EQ(StepsToEnd(), (std::vector<Step>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
    EXPECT_TRUE(link.CanRunDeviceCommand());
    EXPECT_EQ(bed.soft_resets.load(), 1);
    EXPECT_EQ(Decoded(printer).clock, 1709251200u);
}

TEST_F(DeviceLinkTest, UploadDecodesToTheTemplateThatWasSent)
{
    auto printer = bed.add_printer(0);
    ASSERT_FALSE(link.Start());
    const emulator::UploadedTemplate sent = SampleTemplate();
    BufferList upload = BuildUploadStream(sent);
    const int count = static_cast<int>(upload.size());
    ASSERT_TRUE(link.StartTransfer(std::move(upload)));
    const auto seen = StepsToEnd();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), Step(count, count));
    const auto state = Decoded(printer);
    ASSERT_TRUE(state.uploadedTemplate.has_value());
    EXPECT_EQ(*state.uploadedTemplate, sent);
}

TEST_F(DeviceLinkTest, UnplugDuringAnUploadFailsItAndReplugOpensAgain)
{
    auto printer = bed.add_printer(0);
    ASSERT_FALSE(link.Start());
    EXPECT_EQ(NextStatusText(), 312);
    // The printer takes no more data: the upload waits on its first write.
    device_test::fill_printer(printer);
    ASSERT_TRUE(link.StartTransfer(TwoHundredBuffers()));
    std::this_thread::sleep_for(100ms);

    bed.unplug(printer);
    PumpMonitor();
    EXPECT_FALSE(link.IsOpen());
    const auto seen = StepsToEnd();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), Step(-1, 200));
    EXPECT_EQ(NextStatusText(), 310);
    EXPECT_FALSE(link.CanRunDeviceCommand());

    printer = bed.plug(0);
    PumpMonitor();
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(NextStatusText(), 312);
    EXPECT_TRUE(link.CanRunDeviceCommand());
}

TEST_F(DeviceLinkTest, NewTransferEndsAStalledOneAndOnlyItsOwnProgressFollows)
{
    auto printer = bed.add_printer(0);
    ASSERT_FALSE(link.Start());
    device_test::fill_printer(printer);
    ASSERT_TRUE(link.StartTransfer(TwoHundredBuffers()));
    std::this_thread::sleep_for(100ms);

    const BufferList clock = device::BuildClockTransaction({2024, 3, 1, 0, 0, 0});
    const auto clockBytes = clock.Concatenate();
    ASSERT_TRUE(link.StartTransfer(device::BuildClockTransaction({2024, 3, 1, 0, 0, 0})));
    const std::string written = device_test::read_from(printer.master, 2000);
    // The stalled transfer ends silently; its cancelled write is not
    // reported as the new transfer's failure.
    EXPECT_EQ(StepsToEnd(), (std::vector<Step>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
    ASSERT_GE(written.size(), clockBytes.size());
    EXPECT_EQ(written.substr(written.size() - clockBytes.size()),
              std::string(clockBytes.begin(), clockBytes.end()));
    EXPECT_EQ(bed.soft_resets.load(), 2);
}

TEST_F(DeviceLinkTest, FailedSoftResetReportsFailureAndLeavesTheLinkReady)
{
    auto printer = bed.add_printer(0);
    ASSERT_FALSE(link.Start());
    bed.fail_soft_reset = true;
    ASSERT_TRUE(link.StartTransfer(device::BuildClockTransaction({2024, 3, 1, 0, 0, 0})));
    EXPECT_EQ(StepsToEnd(), (std::vector<Step>{{-1, 3}}));
    EXPECT_TRUE(link.CanRunDeviceCommand());
    EXPECT_EQ(device_test::read_from(printer.master, 200), "");
}

TEST_F(DeviceLinkTest, ShutdownDuringAStalledTransferReturns)
{
    auto printer = bed.add_printer(0);
    ASSERT_FALSE(link.Start());
    device_test::fill_printer(printer);
    ASSERT_TRUE(link.StartTransfer(TwoHundredBuffers()));
    std::this_thread::sleep_for(100ms);
    link.Shutdown();
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.StartTransfer(TwoHundredBuffers()));
}

TEST_F(DeviceLinkTest, NoPrinterIsReportedAndDisablesTheCommands)
{
    bed.add_printer(0, "1234", "0001");
    EXPECT_EQ(link.Start(), boost::system::errc::no_such_device);
    EXPECT_FALSE(link.CanRunDeviceCommand());
    EXPECT_FALSE(link.StartTransfer(device::BuildClockTransaction({2024, 3, 1, 0, 0, 0})));
}

} // namespace
