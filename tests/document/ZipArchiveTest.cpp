#include "document/ZipReader.h"
#include "document/ZipWriter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <zlib.h>

using document::ZipReader;
using document::ZipWriter;
using document::zipformat::Get16;
using document::zipformat::Get32;

namespace {

const QDateTime kBuilt(QDate(2024, 3, 5), QTime(14, 30, 22));

QByteArray Compressible(int size)
{
    QByteArray text;
    while (text.size() < size) {
        text += "<TextEdit text=\"Ticket\" pos=\"16,20,0,0\" />\n";
    }
    return text.left(size);
}

QByteArray SampleArchive()
{
    ZipWriter writer(1024, kBuilt);
    EXPECT_EQ(writer.AddFile("logo.png", QByteArray("\x89PNG\r\n\x1a\n-image-", 16)), 0);
    EXPECT_EQ(writer.AddFile("old\\backup.GZ", Compressible(600)), 0);
    EXPECT_EQ(writer.AddDirectory("pictures"), 0);
    EXPECT_EQ(writer.AddFile(QString::fromUtf8("图片/标志.bmp"), Compressible(300)), 0);
    EXPECT_EQ(writer.AddFile("skin.xml", Compressible(5000)), 0);
    QByteArray bytes;
    EXPECT_EQ(writer.Finish(&bytes), 0);
    return bytes;
}

struct Header
{
    uint16_t flags, method, nameLength, extraLength;
    QByteArray name, extra;
};

// Walks the central directory by hand, independent of ZipReader.
std::vector<std::pair<Header, Header>> CentralAndLocalHeaders(const QByteArray& zip)
{
    std::vector<std::pair<Header, Header>> headers;
    const qsizetype end = zip.size() - 22;
    EXPECT_EQ(Get32(zip, end), 0x06054b50u);
    qsizetype at = Get32(zip, end + 16);
    for (int i = 0; i < Get16(zip, end + 10); ++i) {
        EXPECT_EQ(Get32(zip, at), 0x02014b50u);
        EXPECT_EQ(Get16(zip, at + 4), 0x0B17) << "version made by";
        EXPECT_EQ(Get16(zip, at + 6), 20) << "version needed";
        Header central{
            Get16(zip, at + 8), Get16(zip, at + 10), Get16(zip, at + 28), Get16(zip, at + 30), {}, {}};
        central.name = zip.mid(at + 46, central.nameLength);
        central.extra = zip.mid(at + 46 + central.nameLength, central.extraLength);
        const qsizetype local = Get32(zip, at + 42);
        EXPECT_EQ(Get32(zip, local), 0x04034b50u);
        EXPECT_EQ(Get16(zip, local + 4), 20);
        EXPECT_EQ(Get32(zip, local + 14), 0u) << "sizes follow in the data descriptor";
        Header localHeader{Get16(zip, local + 6),
                           Get16(zip, local + 8),
                           Get16(zip, local + 26),
                           Get16(zip, local + 28),
                           {},
                           {}};
        localHeader.name = zip.mid(local + 30, localHeader.nameLength);
        localHeader.extra = zip.mid(local + 30 + localHeader.nameLength, localHeader.extraLength);
        // The descriptor sits right after the packed data.
        const qsizetype descriptor =
            local + 30 + localHeader.nameLength + localHeader.extraLength + Get32(zip, at + 20);
        EXPECT_EQ(Get32(zip, descriptor), 0x08074b50u);
        EXPECT_EQ(Get32(zip, descriptor + 4), Get32(zip, at + 16)) << "crc";
        EXPECT_EQ(Get32(zip, descriptor + 12), Get32(zip, at + 24)) << "size";
        headers.emplace_back(central, localHeader);
        at += 46 + central.nameLength + central.extraLength + Get16(zip, at + 32);
    }
    return headers;
}

TEST(ZipWriterTest, HeaderFieldsAreThoseOfTemplateArchives)
{
    const QByteArray zip = SampleArchive();
    const auto headers = CentralAndLocalHeaders(zip);
    ASSERT_EQ(headers.size(), 5u);

    const char* names[] = {"logo.png", "old/backup.GZ", "pictures/", "图片/标志.bmp", "skin.xml"};
    const uint16_t methods[] = {8, 0, 0, 8, 8};
    const uint16_t flags[] = {0x0008, 0x0008, 0x0008, 0x0808, 0x0008};
    const uint32_t unixTime = static_cast<uint32_t>(kBuilt.toSecsSinceEpoch());
    for (size_t i = 0; i < headers.size(); ++i) {
        const auto& [central, local] = headers[i];
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(central.name, QByteArray(names[i]));
        EXPECT_EQ(local.name, central.name);
        EXPECT_EQ(central.method, methods[i]);
        EXPECT_EQ(local.method, methods[i]);
        EXPECT_EQ(central.flags, flags[i]);
        EXPECT_EQ(local.flags, flags[i]);
        // "UT": local copy with three times, central copy with the modification time.
        ASSERT_EQ(local.extra.size(), 17);
        EXPECT_EQ(Get16(local.extra, 0), 0x5455);
        EXPECT_EQ(Get16(local.extra, 2), 13);
        EXPECT_EQ(static_cast<uint8_t>(local.extra[4]), 7);
        EXPECT_EQ(Get32(local.extra, 5), unixTime);
        ASSERT_EQ(central.extra.size(), 9);
        EXPECT_EQ(Get16(central.extra, 2), 5);
        EXPECT_EQ(Get32(central.extra, 5), unixTime);
    }
    // DOS date and time of local time 2024-03-05 14:30:22.
    EXPECT_EQ(Get16(zip, 10), (14 << 11) | (30 << 5) | 11);
    EXPECT_EQ(Get16(zip, 12), ((2024 - 1980) << 9) | (3 << 5) | 5);
}

TEST(ZipWriterTest, StoredByNameIgnoresCase)
{
    for (const char* name : {"a.Z", "a.zip", "a.ZOO", "a.arc", "a.lzh", "a.arj", "a.gz", "a.TGZ"}) {
        EXPECT_TRUE(ZipWriter::IsStoredByName(name)) << name;
    }
    for (const char* name : {"a.z1", "a.png", "zip", "skin.xml", "a.bz2"}) {
        EXPECT_FALSE(ZipWriter::IsStoredByName(name)) << name;
    }
}

TEST(ZipReaderTest, ReadsBackWhatWasWrittenMatchingNamesWithoutCase)
{
    auto reader = ZipReader::FromBytes(SampleArchive());
    ASSERT_TRUE(reader);
    ASSERT_EQ(reader->Count(), 5);
    EXPECT_TRUE(reader->Entry(2).isDirectory);
    EXPECT_EQ(reader->Entry(3).name, QString::fromUtf8("图片/标志.bmp"));
    EXPECT_EQ(reader->ReadEntry("SKIN.XML"), Compressible(5000));
    EXPECT_EQ(reader->ReadEntry("old\\BACKUP.gz"), Compressible(600));
    EXPECT_EQ(reader->ReadEntry(QString::fromUtf8("图片/标志.BMP")), Compressible(300));
    EXPECT_FALSE(reader->ReadEntry("missing.png"));
    EXPECT_EQ(reader->LastError(), "Could not find ziped file");
}

TEST(ZipReaderTest, LimitedReadsSayWhyTheyRefuse)
{
    ZipWriter writer(0, kBuilt);
    writer.AddFile("empty.xml", {});
    writer.AddFile("huge.xml", QByteArray(4 * 1024 * 1024 + 1, ' '));
    writer.AddFile("ok.xml", "<Window />");
    QByteArray bytes;
    ASSERT_EQ(writer.Finish(&bytes), 0);
    EXPECT_LT(bytes.size(), 64 * 1024) << "blank text deflates well";
    auto reader = ZipReader::FromBytes(bytes);
    ASSERT_TRUE(reader);

    const qint64 limit = 4 * 1024 * 1024;
    QString why;
    EXPECT_FALSE(reader->ReadEntryLimited("EMPTY.xml", limit, &why));
    EXPECT_EQ(why, "File is empty");
    EXPECT_FALSE(reader->ReadEntryLimited("huge.xml", limit, &why));
    EXPECT_EQ(why, "File too large");
    EXPECT_FALSE(reader->ReadEntryLimited("skin.xml", limit, &why));
    EXPECT_EQ(why, "Could not find ziped file");
    EXPECT_EQ(reader->ReadEntryLimited("ok.xml", limit, &why), QByteArray("<Window />"));
}

TEST(ZipReaderTest, DamagedArchivesAreRefusedWithoutCrashing)
{
    const QByteArray zip = SampleArchive();
    QString error;
    EXPECT_FALSE(ZipReader::FromBytes("not an archive at all", &error));
    EXPECT_EQ(error, "Error opening zip file");
    EXPECT_FALSE(ZipReader::FromBytes({}));

    // Every truncation either fails to open or fails to unpack cleanly.
    for (qsizetype length = 0; length < zip.size(); length += 7) {
        auto reader = ZipReader::FromBytes(zip.left(length));
        for (int i = 0; reader && i < reader->Count(); ++i) {
            reader->Unpack(i);
        }
    }

    // A flipped byte inside packed data fails the checksum or the inflater.
    QByteArray damaged = zip;
    const qsizetype skinData = damaged.indexOf("skin.xml") + 8 + 17 + 40;
    damaged[skinData] = static_cast<char>(damaged[skinData] ^ 0x5A);
    auto reader = ZipReader::FromBytes(damaged);
    ASSERT_TRUE(reader);
    EXPECT_FALSE(reader->ReadEntry("skin.xml"));
    EXPECT_EQ(reader->LastError(), "Could not unzip file");

    // A central record that claims more than the file holds.
    QByteArray lying = zip;
    const qsizetype central = Get32(zip, zip.size() - 22 + 16);
    lying[central + 20] = '\xFF';
    lying[central + 21] = '\xFF';
    lying[central + 22] = '\x7F';
    reader = ZipReader::FromBytes(lying);
    ASSERT_TRUE(reader);
    EXPECT_FALSE(reader->Unpack(0));
    // An end record pointing past itself.
    QByteArray pointing = zip;
    pointing[zip.size() - 22 + 19] = '\x70';
    EXPECT_FALSE(ZipReader::FromBytes(pointing));
}

// Other ZIP tools must read our archives: unzip, Python's zipfile, bsdtar.
class ExternalToolsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_path = m_dir.filePath("template.vt");
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(SampleArchive());
    }

    static QByteArray Run(const QString& program, const QStringList& arguments, int* exitCode)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(30000)) {
            *exitCode = -1;
            return "could not run " + program.toUtf8();
        }
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return process.readAll();
    }

    QTemporaryDir m_dir;
    QString m_path;
};

TEST_F(ExternalToolsTest, UnzipTestsEveryEntry)
{
    int code = 0;
    const QByteArray output = Run("unzip", {"-t", m_path}, &code);
    EXPECT_EQ(code, 0) << output.toStdString();
    EXPECT_TRUE(output.contains("No errors detected")) << output.toStdString();
}

TEST_F(ExternalToolsTest, PythonZipfileReadsNamesAndContents)
{
    const QString script =
        "import sys, zipfile\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "assert z.testzip() is None\n"
        "for i in z.infolist():\n"
        "    print(i.filename, i.compress_type, i.is_dir(), len(z.read(i)), i.date_time)\n";
    int code = 0;
    const QByteArray output = Run("python3", {"-c", script, m_path}, &code);
    ASSERT_EQ(code, 0) << output.toStdString();
    const QString text = QString::fromUtf8(output);
    EXPECT_TRUE(text.contains("logo.png 8 False 16 (2024, 3, 5, 14, 30, 22)")) << output.toStdString();
    EXPECT_TRUE(text.contains("old/backup.GZ 0 False 600")) << output.toStdString();
    EXPECT_TRUE(text.contains("pictures/ 0 True 0")) << output.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("图片/标志.bmp 8 False 300"))) << output.toStdString();
    EXPECT_TRUE(text.contains("skin.xml 8 False 5000")) << output.toStdString();
}

TEST_F(ExternalToolsTest, BsdtarListsAndExtracts)
{
    int code = 0;
    const QByteArray listing = Run("bsdtar", {"-tf", m_path}, &code);
    EXPECT_EQ(code, 0) << listing.toStdString();
    EXPECT_EQ(QString::fromUtf8(listing).split('\n', Qt::SkipEmptyParts),
              QStringList({"logo.png", "old/backup.GZ", "pictures/", QString::fromUtf8("图片/标志.bmp"),
                           "skin.xml"}));
    const QByteArray skin = Run("bsdtar", {"-xOf", m_path, "skin.xml"}, &code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(skin, Compressible(5000));
}

TEST_F(ExternalToolsTest, ReaderReadsArchivesPythonWrote)
{
    const QString foreign = m_dir.filePath("foreign.zip");
    const QString script = "import sys, zipfile\n"
                           "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
                           "    z.writestr('Skin.XML', '<Window />' * 100, zipfile.ZIP_DEFLATED)\n"
                           "    z.writestr('raw.bin', bytes(range(256)), zipfile.ZIP_STORED)\n"
                           "    z.writestr('dir/', '')\n"
                           "    z.comment = b'written by another tool'\n";
    int code = 0;
    const QByteArray output = Run("python3", {"-c", script, foreign}, &code);
    ASSERT_EQ(code, 0) << output.toStdString();
    auto reader = ZipReader::FromFile(foreign);
    ASSERT_TRUE(reader);
    ASSERT_EQ(reader->Count(), 3);
    EXPECT_EQ(reader->ReadEntry("skin.xml"), QByteArray("<Window />").repeated(100));
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i) {
        all[i] = static_cast<char>(i);
    }
    EXPECT_EQ(reader->ReadEntry("RAW.bin"), all);
    EXPECT_TRUE(reader->Entry(2).isDirectory);
}

} // namespace
