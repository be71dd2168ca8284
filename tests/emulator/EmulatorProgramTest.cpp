#include "SampleTemplate.h"

#include "device/ClockTransaction.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

TEST(EmulatorProgram, WritesPicturesJsonAndASampleTicketWithTheFieldsFilled)
{
    QTemporaryDir dir;
    emulator::UploadedTemplate upload = SampleTemplate();
    upload.pageImage = device::PackedImage::Blank(400, 140);
    WriteStream(dir.filePath("t.bin"), BuildUploadStream(upload).Concatenate());
    QProcess process;
    process.start(QStringLiteral(TICKET_PRINTER_EMU),
                  {"decode", dir.filePath("t.bin"), "-o", dir.filePath("out"), "--ticket", "11", "--time",
                   "2024-03-01 12:34:56"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    QFile json(dir.filePath("out/template.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonObject t = QJsonDocument::fromJson(json.readAll()).object().value("template").toObject();
    EXPECT_EQ(t.value("department").toInt(), 3);
    EXPECT_EQ(t.value("ticketNumber").toObject().value("digits").toInt(), 3);
    EXPECT_EQ(t.value("timeFields").toArray().at(0).toObject().value("format").toInt(), 4);
    EXPECT_EQ(t.value("glyphSets").toArray().at(0).toObject().value("characters").toString(), "01");

    EXPECT_EQ(QImage(dir.filePath("out/page.png")).size(), QSize(400, 140));
    EXPECT_EQ(QImage(dir.filePath("out/glyphset-0.png")).size(), QSize(19, 3)); // two 9-dot glyphs, one gap
    const QImage ticket(dir.filePath("out/ticket.png"));
    ASSERT_EQ(ticket.size(), QSize(400, 140));
    int ink = 0;
    for (int y = 20; y < 60; ++y) {
        for (int x = 10; x < 200; ++x) {
            ink += qGray(ticket.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 0); // "011" drawn in the ticket number's box of a blank page
}

TEST(EmulatorProgram, RefusesABadTicketTime)
{
    QTemporaryDir dir;
    WriteStream(dir.filePath("t.bin"), BuildUploadStream(SampleTemplate()).Concatenate());
    QProcess process;
    process.start(QStringLiteral(TICKET_PRINTER_EMU),
                  {"decode", dir.filePath("t.bin"), "-o", dir.filePath("out"), "--time", "tomorrow"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().contains("--time"));
}

TEST(EmulatorProgram, LiveModePlaysThePrinterForAProgram)
{
    QTemporaryDir dir;
    QProcess process;
    // The clock transaction, written to the emulated node by a shell.
    process.start(
        QStringLiteral(TICKET_PRINTER_EMU),
        {"live", "--stream-out", dir.filePath("s.bin"), "-o", dir.filePath("out"), "--", "sh", "-c",
         "printf '\\176\\376\\004\\000\\200\\032\\341\\145\\176\\377\\000\\000' > /dev/usb/lp0; exit 7"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 7) << process.readAllStandardError().toStdString(); // the program's status
    QFile json(dir.filePath("out/template.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        QJsonDocument::fromJson(json.readAll()).object().value("clock").toObject().value("value").toInteger(),
        1709251200);
    EXPECT_EQ(QFileInfo(dir.filePath("s.bin")).size(), 12);
}

TEST(EmulatorProgram, TheWorstCaseTicketFillsEveryPositionWithTheWidestDigit)
{
    QTemporaryDir dir;
    emulator::UploadedTemplate upload = SampleTemplate(); // digits "0" and "1", equally wide
    upload.pageImage = device::PackedImage::Blank(400, 140);
    WriteStream(dir.filePath("t.bin"), BuildUploadStream(upload).Concatenate());
    const auto ticketInk = [&](const QStringList& extra) {
        QProcess process;
        process.start(QStringLiteral(TICKET_PRINTER_EMU),
                      QStringList{"decode", dir.filePath("t.bin"), "-o", dir.filePath("out")} + extra);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        const QImage ticket(dir.filePath("out/ticket.png"));
        QImage field = ticket.copy(10, 20, 190, 40);
        int ink = 0;
        for (int y = 0; y < field.height(); ++y) {
            for (int x = 0; x < field.width(); ++x) {
                ink += qGray(field.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        return std::make_pair(ink, field);
    };
    const auto worst = ticketInk({"--worst-case", "--ticket", "11"});
    EXPECT_GT(worst.first, 0);
    // "000", as the ticket number 0 prints, not "011".
    EXPECT_EQ(worst.second, ticketInk({"--ticket", "0"}).second);
    EXPECT_NE(worst.second, ticketInk({"--ticket", "11"}).second);
}
