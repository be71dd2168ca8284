#include "emulator/StateReport.h"
#include "SampleTemplate.h"
#include "emulator/StreamFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

using namespace emulator;

TEST(StateReport, WritesClockAndFieldsWithoutLocaleDigitsOrSeparators)
{
    PrinterState state;
    state.transactionCount = 2;
    state.clock = 1709251200u;
    state.uploadedTemplate = SampleTemplate();
    state.uploadedTemplate->page.endingNumber = 65535;
    const std::string text = DescribeState(state);
    EXPECT_NE(text.find("clock: 1709251200 (2024-03-01 00:00:00)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("ending number: 65535\n"), std::string::npos) << text;
    EXPECT_NE(text.find("ticket number: rect 10 20 200 60, glyph set 0, digits 3\n"), std::string::npos);
    EXPECT_NE(text.find("waiting count: none\n"), std::string::npos);
    EXPECT_NE(text.find("time field 0: rect 0 100 380 130, glyph set 1, format 4\n"), std::string::npos);
    EXPECT_NE(text.find("glyph set 1: :=5x4\n"), std::string::npos) << text;
    EXPECT_EQ(ClockText(0xFFFFFFFFu), "2106-02-07 06:28:15");
}

TEST(StateReport, PbmCarriesThePrinterBitsUnchanged)
{
    device::PackedImage image = device::PackedImage::Blank(9, 2);
    image.SetDot(8, 1, true);
    EXPECT_EQ(ToPbm(image), std::string("P4\n9 2\n\0\0\0\x80", 11));
}

TEST(StreamFile, RefusesStreamsLongerThanTheLimit)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("stream.bin").toStdString();
    std::ofstream(path, std::ios::binary) << std::string(70000, '\x7E');

    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(ReadStreamFile(path, bytes, error, 70000)) << error;
    EXPECT_EQ(bytes.size(), 70000u);
    EXPECT_FALSE(ReadStreamFile(path, bytes, error, 69999));
    EXPECT_NE(error.find("longer than 69999 bytes"), std::string::npos) << error;
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReadStreamFile(dir.filePath("missing.bin").toStdString(), bytes, error));
    EXPECT_NE(error.find("missing.bin"), std::string::npos);
}
