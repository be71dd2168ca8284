#include "SampleTemplate.h"
#include "emulator/StreamDecoder.h"

#include "device/ClockTransaction.h"

#include <gtest/gtest.h>

#include <set>

using namespace emulator;
using namespace device;

namespace {

struct Transactions
{
    std::vector<std::uint8_t> stream;
    std::set<std::size_t> ends; // offsets just past each end frame
};

Transactions SampleStream()
{
    Transactions t;
    BufferList print;
    PackedImage image = PackedImage::Blank(13, 5);
    image.SetDot(12, 4, true);
    BuildPrintImageTransaction(image, print);
    for (const BufferList& list : {BuildUploadStream(SampleTemplate()), std::move(print),
                                   BuildClockTransaction({2030, 6, 15, 12, 0, 0})}) {
        const auto bytes = list.Concatenate();
        t.stream.insert(t.stream.end(), bytes.begin(), bytes.end());
        t.ends.insert(t.stream.size());
    }
    return t;
}

} // namespace

TEST(DecoderRobustness, EveryTruncationStopsCleanlyAtTheLastWholeTransaction)
{
    const Transactions t = SampleStream();
    for (std::size_t length = 0; length < t.stream.size(); ++length) {
        SCOPED_TRACE(length);
        PrinterState state;
        const auto error = DecodeStream(std::span(t.stream).first(length), state);
        const auto whole =
            static_cast<std::size_t>(std::distance(t.ends.begin(), t.ends.upper_bound(length)));
        EXPECT_EQ(state.transactionCount, whole);
        if (length == 0 || t.ends.contains(length)) {
            EXPECT_FALSE(error);
            continue;
        }
        ASSERT_TRUE(error);
        EXPECT_LE(error->offset, length);
        const bool expected = error->reason.starts_with("truncated ") ||
                              error->reason.starts_with("missing end frame: the stream ends");
        EXPECT_TRUE(expected) << error->ToString();
    }
}

TEST(DecoderRobustness, FlippedBytesNeverCrashOrPointPastTheStream)
{
    const Transactions t = SampleStream();
    std::size_t refused = 0;
    for (std::size_t at = 0; at < t.stream.size(); ++at) {
        for (std::uint8_t mask : {std::uint8_t{0x01}, std::uint8_t{0x80}, std::uint8_t{0xFF}}) {
            std::vector<std::uint8_t> spoiled = t.stream;
            spoiled[at] ^= mask;
            PrinterState state;
            if (const auto error = DecodeStream(spoiled, state)) {
                ++refused;
                EXPECT_LE(error->offset, spoiled.size());
                EXPECT_FALSE(error->reason.empty());
                EXPECT_LT(state.transactionCount, 3u);
            }
        }
    }
    EXPECT_GT(refused, 0u);
}
