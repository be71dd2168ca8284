#include "SampleTemplate.h"

#include "device/ClockTransaction.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProgramRun
{
    int exitCode = -1;
    QString errors;
};

ProgramRun Decode(const QString& stream, const QString& outDir)
{
    QProcess process;
    process.start(QStringLiteral(TICKET_PRINTER_EMU), {"decode", stream, "-o", outDir});
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

void WriteStream(const QString& path, const std::vector<std::uint8_t>& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

} // namespace

TEST(EmulatorProgram, DecodesAStreamIntoStateTextAndBitmaps)
{
    QTemporaryDir dir;
    std::vector<std::uint8_t> stream = BuildUploadStream(SampleTemplate()).Concatenate();
    const auto clock = device::BuildClockTransaction({2024, 3, 1, 0, 0, 0}).Concatenate();
    stream.insert(stream.end(), clock.begin(), clock.end());
    WriteStream(dir.filePath("ok.bin"), stream);

    const ProgramRun run = Decode(dir.filePath("ok.bin"), dir.filePath("out"));
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    QFile state(dir.filePath("out/state.txt"));
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_TRUE(state.readAll().contains("clock: 1709251200"));
    EXPECT_TRUE(QFile::exists(dir.filePath("out/page.pbm")));
    EXPECT_TRUE(QFile::exists(dir.filePath("out/glyph-1-0.pbm")));
}

TEST(EmulatorProgram, ReportsTheFaultOffsetAndFails)
{
    QTemporaryDir dir;
    WriteStream(dir.filePath("bad.bin"), {0x7E, 0x99, 0x00, 0x00});
    const ProgramRun run = Decode(dir.filePath("bad.bin"), dir.filePath("out"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("offset 1: unknown command 0x99")) << run.errors.toStdString();
}
