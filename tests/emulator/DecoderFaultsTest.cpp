#include "SampleTemplate.h"
#include "emulator/StreamDecoder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace emulator;
using namespace device;

namespace {

struct Fault
{
    const char* name;
    std::size_t buffer; // the offending byte is in this buffer of the sample upload
    std::size_t byte;
    std::function<void(BufferList&)> spoil;
    const char* reason; // expected message, or a part of it
};

void Set(BufferList& list, std::size_t buffer, std::size_t byte, std::uint8_t value)
{
    list[buffer].data()[byte] = value;
}

std::function<void(BufferList&)> SetByte(std::size_t buffer, std::size_t byte, std::uint8_t value)
{
    return [=](BufferList& list) { Set(list, buffer, byte, value); };
}

std::optional<DecodeError> Decode(const std::vector<std::uint8_t>& stream)
{
    PrinterState state;
    return DecodeStream(stream, state);
}

void ExpectFault(const std::vector<std::uint8_t>& stream, std::uint64_t offset, const std::string& reason)
{
    const auto error = Decode(stream);
    ASSERT_TRUE(error) << "accepted: " << reason;
    EXPECT_EQ(error->offset, offset) << error->ToString();
    EXPECT_NE(error->reason.find(reason), std::string::npos) << error->ToString();
}

} // namespace

TEST(DecoderFaults, SpoiledFieldOfATemplateUploadIsNamedAtItsByte)
{
    const Fault faults[] = {
        {"mark", 0, 0, SetByte(0, 0, 0x7F), "bad frame mark 0x7F, expected 0x7E"},
        {"unknown code", 3, 1, SetByte(3, 1, 0x15), "unknown command 0x15"},
        {"page A", 0, 2, SetByte(0, 2, 0x53),
         "wrong parameter A of DEV_CMD_PAGE (0x01): 0x53, expected 0x54"},
        {"glyph A", 6, 2, SetByte(6, 2, 9), "wrong parameter A of DEV_CMD_GLYPH (0x14): 0x09, expected 0x08"},
        {"glyph B", 3, 3, SetByte(3, 3, 1), "wrong parameter B of DEV_CMD_GLYPH (0x14)"},
        {"time field index", 10, 2, SetByte(10, 2, 1),
         "wrong parameter A of DEV_CMD_TIME_FIELD (0x02): 0x01"},
        {"time format", 11, 17, SetByte(11, 17, 11), "time format index 11 of time field 0 is above 10"},
        {"glyph byte count", 4, 6, SetByte(4, 6, 3),
         "glyph 0 of set 0 byte count 3 disagrees with 9 x 3 dots (expected 6)"},
        {"glyph position", 7, 0, SetByte(7, 0, 0), "glyph 1 of set 0 carries position 0"},
        {"glyph too large", 4, 2,
         [](BufferList& l) {
             Set(l, 4, 2, 65); // 65 x 64 dots, with a matching byte count of 9 * 64
             Set(l, 4, 4, 64);
             Set(l, 4, 6, 0x40);
             Set(l, 4, 7, 0x02);
         },
         "covers 4160 dots, at most 4096"},
        {"glyph padding", 5, 1, [](BufferList& l) { l[5].data()[1] |= 0x01; },
         "glyph bitmap: ink beyond the width in row 0"},
        {"set index", 2, 3, SetByte(2, 3, 1), "glyph set index 1, expected 0"},
        {"set end A", 9, 2, SetByte(9, 2, 3),
         "glyph set end [0x03 0x00] does not match its start [0x02 0x00]"},
        {"set end B", 9, 3, SetByte(9, 3, 1),
         "glyph set end [0x02 0x01] does not match its start [0x02 0x00]"},
        {"set ends early", 9, 0,
         [](BufferList& l) {
             Set(l, 2, 2, 3);
             Set(l, 9, 2, 3);
         },
         "glyph set 0 ends after 2 glyphs, its start announced 3"},
        {"set overflows", 6, 0,
         [](BufferList& l) {
             Set(l, 2, 2, 1);
             Set(l, 9, 2, 1);
         },
         "glyph set 0 holds more than the 1 glyphs its start announced"},
        {"frame inside set", 6, 1, SetByte(6, 1, 0x02),
         "unexpected DEV_CMD_TIME_FIELD (0x02) inside glyph set 0"},
        {"time field count", 1, 0, SetByte(1, 0, 2), "page record counts 2 time fields, the upload sent 1"},
        {"glyph set count", 1, 1, SetByte(1, 1, 3), "page record counts 3 glyph sets, the upload sent 2"},
        {"slot set index", 1, 24 + 16, SetByte(1, 24 + 16, 2),
         "number slot at page record offset 24 refers to glyph set 2 of 2 sent"},
        {"time field set index", 11, 16, SetByte(11, 16, 9), "time field 0 refers to glyph set 9 of 2 sent"},
        {"present flag", 1, 24 + 17, SetByte(1, 24 + 17, 2), "ticket number slot has present flag 0x02"},
        {"slot last byte", 1, 24 + 19, SetByte(1, 24 + 19, 1), "ticket number slot has a non-zero last byte"},
        {"absent slot", 1, 44, SetByte(1, 44 + 3, 1), "waiting count slot is not present but not all zero"},
        {"too many time fields", 1, 0, SetByte(1, 0, 129),
         "page record announces 129 time fields, at most 128"},
        {"image byte count", 18, 4, SetByte(18, 4, 5),
         "image byte count 5 disagrees with 16 x 2 dots (expected 4)"},
        {"image zero height", 18, 0,
         [](BufferList& l) {
             Set(l, 18, 2, 0);
             Set(l, 18, 4, 0);
         },
         "image header of 16 x 0 dots"},
        {"image A", 17, 2, SetByte(17, 2, 0), "wrong parameter A of DEV_CMD_PAGE_IMAGE (0x03)"},
        {"no end frame", 20, 1, SetByte(20, 1, DEV_CMD_GLYPH),
         "missing end frame: DEV_CMD_GLYPH (0x14) follows the page image"},
        {"end A", 20, 2, SetByte(20, 2, 1), "wrong parameter A of DEV_CMD_END (0xFF)"},
        {"print inside upload", 10, 1, SetByte(10, 1, DEV_CMD_PRINT_IMAGE),
         "unexpected DEV_CMD_PRINT_IMAGE (0xFD) in a template upload"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        BufferList list = BuildUploadStream(SampleTemplate());
        fault.spoil(list);
        ExpectFault(list.Concatenate(), BufferOffset(list, fault.buffer) + fault.byte, fault.reason);
    }
}

TEST(DecoderFaults, MissingFramesAndTruncationAreReportedWhereTheStreamStops)
{
    const BufferList list = BuildUploadStream(SampleTemplate());
    const std::vector<std::uint8_t> full = list.Concatenate();

    std::vector<std::uint8_t> noEnd(full.begin(), full.end() - 4);
    ExpectFault(noEnd, noEnd.size(), "missing end frame: the stream ends inside a template upload");

    std::vector<std::uint8_t> cutRecord(full.begin(), full.begin() + 50);
    ExpectFault(cutRecord, 4, "truncated page record: 84 bytes needed, 46 left");

    std::vector<std::uint8_t> cutHeader(full.begin(), full.end() - 2);
    ExpectFault(cutHeader, full.size() - 4, "truncated frame header: 4 bytes needed, 2 left");

    // Without its image frames the upload reaches the end frame too early.
    std::vector<std::uint8_t> noImage(full.begin(),
                                      full.begin() + static_cast<std::ptrdiff_t>(BufferOffset(list, 17)));
    noImage.insert(noImage.end(), {0x7E, 0xFF, 0x00, 0x00});
    ExpectFault(noImage, BufferOffset(list, 17) + 1, "template upload ends without a page image");
}

TEST(DecoderFaults, StrayFramesCannotStartATransaction)
{
    ExpectFault({0x7E, 0xFF, 0x00, 0x00}, 1, "DEV_CMD_END (0xFF) cannot start a transaction");
    ExpectFault({0x7E, 0x04, 0x01, 0x00}, 1, "DEV_CMD_GLYPH_SET (0x04) cannot start a transaction");
    ExpectFault({0x00, 0x7E, 0xFE, 0x04}, 0, "bad frame mark 0x00");
}

TEST(DecoderFaults, ClockAndPrintTransactionsCheckTheirFrames)
{
    ExpectFault({0x7E, 0xFE, 0x05, 0x00, 1, 2, 3, 4, 0x7E, 0xFF, 0, 0}, 2,
                "wrong parameter A of DEV_CMD_SET_CLOCK");
    ExpectFault({0x7E, 0xFE, 0x04, 0x00, 1, 2}, 4, "truncated clock value: 4 bytes needed, 2 left");
    ExpectFault({0x7E, 0xFE, 0x04, 0x00, 1, 2, 3, 4, 0x7E, 0xFE, 0x04, 0x00}, 9,
                "missing end frame: DEV_CMD_SET_CLOCK (0xFE) follows inside a set clock");
    ExpectFault({0x7E, 0xFD, 0x08, 0x00, 0x7E, 0xFF, 0x00, 0x00, 0x7E}, 8,
                "truncated frame header: 4 bytes needed, 1 left");
}

TEST(DecoderFaults, HugeImageHeaderIsRefusedWithoutAllocatingItsBits)
{
    // 65535 x 65535 dots claim half a gigabyte that the stream does not hold.
    const std::vector<std::uint8_t> stream{0x7E, 0xFD, 0x08, 0x00, 0xFF, 0xFF, 0xFF,
                                           0xFF, 0x00, 0xE0, 0xFF, 0x1F, 0x00, 0x00};
    ExpectFault(stream, 12, "truncated image bits: 536862720 bytes needed, 2 left");
}
