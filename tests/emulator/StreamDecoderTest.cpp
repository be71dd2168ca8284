#include "emulator/StreamDecoder.h"
#include "SampleTemplate.h"

#include "device/ClockTransaction.h"

#include <gtest/gtest.h>

using namespace emulator;
using namespace device;

namespace {

std::vector<std::uint8_t> Join(std::initializer_list<const BufferList*> lists)
{
    std::vector<std::uint8_t> stream;
    for (const BufferList* list : lists) {
        const auto bytes = list->Concatenate();
        stream.insert(stream.end(), bytes.begin(), bytes.end());
    }
    return stream;
}

} // namespace

TEST(StreamDecoder, TemplateUploadRoundTripsIntoWhatThePrinterKeeps)
{
    const UploadedTemplate sample = SampleTemplate();
    const BufferList list = BuildUploadStream(sample);
    ASSERT_EQ(list.size(), 21u) << "SampleTemplate's buffer map is out of date";

    PrinterState state;
    const auto error = DecodeStream(list.Concatenate(), state);
    ASSERT_FALSE(error) << error->ToString();
    ASSERT_TRUE(state.uploadedTemplate);
    EXPECT_EQ(*state.uploadedTemplate, sample);
    EXPECT_EQ(state.uploadedTemplate->glyphSets[0].glyphs[1].code, '1');
    EXPECT_TRUE(state.uploadedTemplate->glyphSets[0].glyphs[1].bitmap.Dot(8, 2)); // ninth dot of a row
    EXPECT_EQ(state.transactionCount, 1u);
    EXPECT_FALSE(state.printedImage);
    EXPECT_FALSE(state.clock);
}

TEST(StreamDecoder, UploadWithoutDynamicFieldsOrDotsDecodes)
{
    UploadedTemplate plain;
    plain.department = 0xFF;
    plain.page.endingNumber = 0xFFFF;
    plain.page.marginLeft = -4;
    const BufferList list = BuildUploadStream(plain);
    EXPECT_EQ(list.size(), 4u); // page header, page record, image header without image, end

    PrinterState state;
    const auto error = DecodeStream(list.Concatenate(), state);
    ASSERT_FALSE(error) << error->ToString();
    EXPECT_EQ(*state.uploadedTemplate, plain);
}

TEST(StreamDecoder, KeepsTheLastOfEachKindAcrossTransactions)
{
    BufferList clock1 = BuildClockTransaction({2024, 3, 1, 0, 0, 0});
    BufferList clock2 = BuildClockTransaction({1970, 1, 1, 0, 1, 0});
    BufferList print1, print2, empty;
    ASSERT_TRUE(BuildPrintImageTransaction(PackedImage::Blank(8, 1), print1));
    PackedImage big = PackedImage::Blank(64, 130); // 1040 bytes: three bit buffers
    big.SetDot(63, 129, true);
    ASSERT_TRUE(BuildPrintImageTransaction(big, print2));
    ASSERT_TRUE(BuildPrintImageTransaction(PackedImage::Blank(0, 5), empty));
    const BufferList upload = BuildUploadStream(SampleTemplate());

    PrinterState state;
    const auto error = DecodeStream(Join({&clock1, &print1, &upload, &print2, &clock2}), state);
    ASSERT_FALSE(error) << error->ToString();
    EXPECT_EQ(state.transactionCount, 5u);
    EXPECT_EQ(state.clock, 60u);
    ASSERT_TRUE(state.printedImage);
    EXPECT_EQ(*state.printedImage, big);
    EXPECT_EQ(*state.uploadedTemplate, SampleTemplate());

    ASSERT_FALSE(DecodeStream(empty.Concatenate(), state));
    EXPECT_EQ(*state.printedImage, PackedImage{});
}

TEST(StreamDecoder, BrokenTransactionLeavesWhatCameBeforeIt)
{
    const BufferList clock = BuildClockTransaction({2024, 3, 1, 0, 0, 0});
    BufferList print;
    ASSERT_TRUE(BuildPrintImageTransaction(PackedImage::Blank(8, 2), print));
    const BufferList upload = BuildUploadStream(SampleTemplate());

    PrinterState state;
    DecodeStream(upload.Concatenate(), state);
    std::vector<std::uint8_t> stream = Join({&clock, &upload});
    stream.resize(stream.size() - 1); // the second upload loses its end frame
    const auto error = DecodeStream(stream, state);
    ASSERT_TRUE(error);
    EXPECT_EQ(state.clock, 1709251200u);
    EXPECT_EQ(*state.uploadedTemplate, SampleTemplate()); // the earlier upload, untouched
    EXPECT_EQ(state.transactionCount, 2u);
}

TEST(StreamDecoder, EmptyStreamChangesNothing)
{
    PrinterState state;
    EXPECT_FALSE(DecodeStream({}, state));
    EXPECT_EQ(state.transactionCount, 0u);
}
