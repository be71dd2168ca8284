#include "document/DesignerDoc.h"
#include "document/ZipReader.h"
#include "document/ZipWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <zlib.h>

using document::ZipReader;
using document::ZipWriter;
using document::zipformat::Put16;
using document::zipformat::Put32;

namespace {

struct RawEntry
{
    QByteArray name;
    uint32_t localOffset;
    uint32_t compressedSize;
    uint32_t size;
};

// An archive written field by field, so records may point wherever a
// damaged or hostile file points them. One stored block "data" sits at 0.
QByteArray RawArchive(const QByteArray& data, const std::vector<RawEntry>& entries)
{
    QByteArray zip;
    Put32(zip, 0x04034b50);
    for (uint16_t field : {20, 0, 0, 0, 0}) {
        Put16(zip, field);
    }
    const uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size()));
    Put32(zip, crc);
    Put32(zip, uint32_t(data.size()));
    Put32(zip, uint32_t(data.size()));
    Put16(zip, 1);
    Put16(zip, 0);
    zip += "d" + data;
    const uint32_t centralStart = uint32_t(zip.size());
    for (const RawEntry& entry : entries) {
        Put32(zip, 0x02014b50);
        for (uint16_t field : {20, 20, 0, 0, 0, 0}) {
            Put16(zip, field);
        }
        Put32(zip, crc);
        Put32(zip, entry.compressedSize);
        Put32(zip, entry.size);
        for (uint16_t field :
             {uint16_t(entry.name.size()), uint16_t(0), uint16_t(0), uint16_t(0), uint16_t(0)}) {
            Put16(zip, field);
        }
        Put32(zip, 0);
        Put32(zip, entry.localOffset);
        zip += entry.name;
    }
    const uint32_t centralSize = uint32_t(zip.size()) - centralStart;
    Put32(zip, 0x06054b50);
    Put16(zip, 0);
    Put16(zip, 0);
    Put16(zip, uint16_t(entries.size()));
    Put16(zip, uint16_t(entries.size()));
    Put32(zip, centralSize);
    Put32(zip, centralStart);
    Put16(zip, 0);
    return zip;
}

// Makes the central directory record at `record` claim 60 MiB unpacked.
void ClaimSixtyMebibytes(QByteArray& zip, qsizetype record)
{
    zip[record + 24 + 3] = 0x03;
    zip[record + 24 + 2] = char(0xC0);
}

} // namespace

TEST(ZipLimitsTest, RecordsSharingTheirDataAreRefusedWithAReason)
{
    const QByteArray data = "twelve bytes";
    // One record per block reads fine.
    auto reader = ZipReader::FromBytes(RawArchive(data, {{"a.png", 0, 12, 12}}));
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->ReadEntry("a.png"), data);

    // A second record naming the same block is how a small file claims gigabytes.
    QString error;
    EXPECT_FALSE(
        ZipReader::FromBytes(RawArchive(data, {{"a.png", 0, 12, 12}, {"skin.xml", 0, 12, 12}}), &error));
    EXPECT_EQ(error, "Error opening zip file: entries share their data");
}

TEST(ZipLimitsTest, AbsurdEntryCountsAndUnpackedTotalsAreRefused)
{
    ZipWriter writer(1 << 20);
    for (int i = 0; i < ZipReader::kMaxEntries; ++i) {
        ASSERT_EQ(writer.AddFile(QStringLiteral("e%1.png").arg(i), QByteArray()), 0);
    }
    QByteArray bytes;
    ASSERT_EQ(writer.Finish(&bytes), 0);
    ASSERT_TRUE(ZipReader::FromBytes(bytes)) << "the limit itself is allowed";

    ZipWriter more(1 << 20);
    for (int i = 0; i <= ZipReader::kMaxEntries; ++i) {
        ASSERT_EQ(more.AddFile(QStringLiteral("e%1.png").arg(i), QByteArray()), 0);
    }
    ASSERT_EQ(more.Finish(&bytes), 0);
    QString error;
    EXPECT_FALSE(ZipReader::FromBytes(bytes, &error));
    EXPECT_EQ(error, "Error opening zip file: more than 4096 entries");

    // Five records of 60 MiB each, every one under the entry limit, add up
    // to more than a save may unpack. Their sizes lie, but that is only
    // found by unpacking.
    const auto claiming = [](int entries) {
        ZipWriter small(4096);
        for (int i = 0; i < entries; ++i) {
            EXPECT_EQ(small.AddFile(QStringLiteral("p%1.png").arg(i), QByteArray()), 0);
        }
        QByteArray zip;
        EXPECT_EQ(small.Finish(&zip), 0);
        for (qsizetype at = zip.indexOf("PK\x01\x02"); at >= 0; at = zip.indexOf("PK\x01\x02", at + 1)) {
            ClaimSixtyMebibytes(zip, at);
        }
        return zip;
    };
    EXPECT_FALSE(ZipReader::FromBytes(claiming(5), &error));
    EXPECT_EQ(error, "Error opening zip file: the entries unpack to more than 256 MiB");
    EXPECT_TRUE(ZipReader::FromBytes(claiming(4)));
}

TEST(ZipLimitsTest, SizesNoDeflateStreamCanReachAreRefusedAndDenseEntriesStillUnpack)
{
    // Zeros deflate about as densely as deflate allows (near 1032 to 1),
    // so an honest entry at that ratio must still unpack.
    const QByteArray zeros(8 << 20, '\0');
    ZipWriter writer(1 << 20);
    ASSERT_EQ(writer.AddFile(QStringLiteral("blank.bin"), zeros), 0);
    ASSERT_EQ(writer.AddFile(QStringLiteral("skin.xml"), QByteArray("<Window />")), 0);
    QByteArray bytes;
    ASSERT_EQ(writer.Finish(&bytes), 0);
    auto reader = ZipReader::FromBytes(bytes);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->ReadEntry(QStringLiteral("blank.bin")), zeros);

    // The few deflated bytes of "skin.xml" claiming 60 MiB: refused like
    // any entry whose size lies, and still readable beside it.
    const qsizetype central = bytes.indexOf("PK\x01\x02", bytes.indexOf("skin.xml") + 1);
    const qsizetype record = bytes.indexOf("PK\x01\x02", central + 1);
    ASSERT_GT(record, 0);
    ClaimSixtyMebibytes(bytes, record);
    reader = ZipReader::FromBytes(bytes);
    ASSERT_TRUE(reader);
    EXPECT_FALSE(reader->ReadEntry(QStringLiteral("skin.xml")));
    EXPECT_EQ(reader->LastError(), "Could not unzip file");
    EXPECT_EQ(reader->ReadEntry(QStringLiteral("blank.bin")), zeros);
}

TEST(ZipLimitsTest, TheDocumentSaysWhyAHostileArchiveOpensEmpty)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("shared.vt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RawArchive("<Window><Form width=\"640\" /></Window>",
                          {{"skin.xml", 0, 37, 37}, {"logo.png", 0, 37, 37}}));
    file.close();

    document::CDesignerDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetForm()->GetCount(), 0);
    EXPECT_EQ(doc.Archive().Reader(), nullptr);
    ASSERT_EQ(doc.OpenWarnings().size(), 1);
    EXPECT_EQ(doc.OpenWarnings().first(), "The file is not a ZIP archive. (entries share their data)");
}
