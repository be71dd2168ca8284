#include "device_link/FakeTransferPort.h"
#include "device_usb/IoTestSupport.h"

#include "device/ClockTransaction.h"
#include "device/link/TransferProgress.h"
#include "device/link/TransferSequencer.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using device::BufferList;
using device::TransferSequencer;
using device_test::FakeTransferPort;
using device_test::run_until;
using Step = std::pair<int, int>;

// count buffers whose bytes tell them apart: buffer i holds (i + 1) bytes of i.
BufferList NumberedBuffers(int count, std::uint8_t salt = 0)
{
    BufferList list;
    for (int i = 0; i < count; ++i) {
        list.Append(std::vector<std::uint8_t>(static_cast<std::size_t>(i % 7 + 1),
                                              static_cast<std::uint8_t>(i + salt)));
    }
    return list;
}

std::string Bytes(const BufferList& list)
{
    const auto all = list.Concatenate();
    return {all.begin(), all.end()};
}

std::vector<Step> Steps(int first, int last, int count)
{
    std::vector<Step> steps;
    for (int i = first; i <= last; ++i) {
        steps.emplace_back(i, count);
    }
    return steps;
}

class TransferSequencerTest : public testing::Test
{
protected:
    bool Finished()
    {
        return !steps.empty() && (steps.back().first == -1 || steps.back().first == steps.back().second);
    }
    bool RunToEnd()
    {
        return run_until(context, [this] { return Finished(); });
    }

    boost::asio::io_context context;
    FakeTransferPort port{context};
    std::vector<Step> steps;
    TransferSequencer sequencer{port, [this](int step, int count) { steps.emplace_back(step, count); }};
};

TEST_F(TransferSequencerTest, ClockTransactionResetsThenWritesEachBufferWithProgress)
{
    BufferList clock = device::BuildClockTransaction({2024, 3, 1, 0, 0, 0});
    const std::string expected = Bytes(clock);
    ASSERT_TRUE(sequencer.StartTransfer(std::move(clock)));
    EXPECT_TRUE(sequencer.IsTransferRunning()); // already during the reset
    ASSERT_TRUE(RunToEnd());

    EXPECT_EQ(port.resets, 1);
    EXPECT_EQ(port.resetInput, "01234567989abcdef0123456789.");
    EXPECT_EQ(steps, (std::vector<Step>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(port.writes, (std::vector<std::string>{std::string("\x7e\xfe\x04\x00", 4), "\x80\x1a\xe1\x65",
                                                     std::string("\x7e\xff\x00\x00", 4)}));
    EXPECT_EQ(port.delivered, expected);
    EXPECT_EQ(sequencer.BufIndex(), -1);
}

TEST_F(TransferSequencerTest, FailedFiftiethWriteEndsTheTransferAndNothingMoreIsWritten)
{
    port.failWriteNumber = 50;
    ASSERT_TRUE(sequencer.StartTransfer(NumberedBuffers(200)));
    ASSERT_TRUE(RunToEnd());
    run_until(
        context, [] { return false; }, std::chrono::milliseconds(50));

    std::vector<Step> expected = Steps(0, 48, 200);
    expected.emplace_back(-1, 200);
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(port.writeCalls, 50);
    EXPECT_EQ(port.writes.size(), 49u);
    EXPECT_FALSE(sequencer.IsTransferRunning());
}

TEST_F(TransferSequencerTest, FailedSoftResetIsReportedAndTheSequencerTakesTheNextTransfer)
{
    port.failReset = true;
    ASSERT_TRUE(sequencer.StartTransfer(NumberedBuffers(5)));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(steps, (std::vector<Step>{{-1, 5}}));
    EXPECT_EQ(port.writeCalls, 0);
    EXPECT_FALSE(sequencer.IsTransferRunning());

    port.failReset = false;
    steps.clear();
    ASSERT_TRUE(sequencer.StartTransfer(NumberedBuffers(2)));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(steps, Steps(0, 2, 2));
}

TEST_F(TransferSequencerTest, ShortWritesSendTheRestOfEachBufferBeforeTheNext)
{
    port.maxChunk = 3;
    BufferList list = NumberedBuffers(20);
    const std::string expected = Bytes(list);
    ASSERT_TRUE(sequencer.StartTransfer(std::move(list)));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(port.delivered, expected);
    EXPECT_EQ(steps, Steps(0, 20, 20)); // one report per buffer, not per write
    EXPECT_GT(port.writeCalls, 20);
}

TEST_F(TransferSequencerTest, WriteThatTakesNothingFailsInsteadOfSpinning)
{
    port.takeNothing = true;
    ASSERT_TRUE(sequencer.StartTransfer(NumberedBuffers(3)));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(steps, (std::vector<Step>{{-1, 3}}));
    EXPECT_EQ(port.writeCalls, 1);
}

TEST_F(TransferSequencerTest, NewTransferCancelsAStalledOneWhoseLateFailureChangesNothing)
{
    port.stallWrites = true;
    BufferList first = NumberedBuffers(10, 0x40);
    const std::string firstBuffer(first[0].bytes().begin(), first[0].bytes().end());
    ASSERT_TRUE(sequencer.StartTransfer(std::move(first)));
    ASSERT_TRUE(run_until(context, [this] { return port.writeCalls == 1; }));
    EXPECT_TRUE(steps.empty());

    port.stallWrites = false;
    BufferList second = device::BuildClockTransaction({2024, 3, 1, 0, 0, 0});
    const std::string expected = Bytes(second);
    ASSERT_TRUE(sequencer.StartTransfer(std::move(second)));
    ASSERT_TRUE(RunToEnd());

    // The cancelled write still saw its own bytes, and its failure was not
    // taken for the new transfer's.
    EXPECT_EQ(port.abortedContents, std::vector<std::string>{firstBuffer});
    EXPECT_EQ(steps, Steps(0, 3, 3));
    EXPECT_EQ(port.delivered, expected);
    EXPECT_EQ(port.resets, 2);
}

TEST_F(TransferSequencerTest, ClosedPortOrEmptyListStartsNothing)
{
    EXPECT_FALSE(sequencer.StartTransfer(BufferList{}));
    port.open = false;
    EXPECT_FALSE(sequencer.StartTransfer(NumberedBuffers(3)));
    run_until(
        context, [] { return false; }, std::chrono::milliseconds(50));
    EXPECT_EQ(port.resets, 0);
    EXPECT_TRUE(steps.empty());
    EXPECT_FALSE(sequencer.IsTransferRunning());
}

} // namespace
