#include "document/TemplateArchive.h"
#include "controls/PaintManagerUI.h"
#include "document/ZipWriter.h"
#include "platform/Logger.h"
#include "support/CapturedLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

using document::TemplateArchive;
using document::ZipReader;
using document::ZipWriter;
using MarkupUI::CPaintManagerUI;
using testsupport::CapturedLog;

namespace {

class TemplateArchiveTest : public ::testing::Test
{
protected:
    void TearDown() override { CPaintManagerUI::SetResourceZip(QString(), false); }

    QString WriteFile(const QString& name, const QByteArray& contents)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }

    static QStringList Names(const TemplateArchive& archive)
    {
        QStringList names;
        for (int i = 0; archive.Reader() && i < archive.Reader()->Count(); ++i) {
            names << archive.Reader()->Entry(i).name;
        }
        return names;
    }

    QTemporaryDir m_dir;
};

TEST_F(TemplateArchiveTest, SavingANewDocumentGivesOneMarkupEntry)
{
    TemplateArchive archive;
    EXPECT_EQ(archive.Size(), 0);
    const std::optional<QByteArray> bytes = archive.ReplaceMarkup("<Window />\n", "/tmp/new.vt");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(Names(archive), QStringList{"skin.xml"});
    EXPECT_EQ(archive.Size(), bytes->size());
    EXPECT_EQ(CPaintManagerUI::GetResourceZipName(), "membuffer");
    ASSERT_EQ(CPaintManagerUI::GetResourceZip(), archive.Reader());
    EXPECT_EQ(CPaintManagerUI::GetResourceZip()->ReadEntry("Skin.xml"), QByteArray("<Window />\n"));
}

TEST_F(TemplateArchiveTest, ImportsKeepOrderAndTheMarkupStaysLast)
{
    TemplateArchive archive;
    ASSERT_EQ(archive.PutEntry("logo.png", WriteFile("logo.png", "first logo")), 0);
    ASSERT_EQ(archive.PutEntry("stamp.bmp", WriteFile("stamp.bmp", "stamp")), 0);
    ASSERT_TRUE(archive.ReplaceMarkup("<Window />", "/tmp/t.vt"));
    EXPECT_EQ(Names(archive), QStringList({"logo.png", "stamp.bmp", "skin.xml"}));

    // The same name in another case replaces the entry, which moves to the end.
    ASSERT_EQ(archive.PutEntry("LOGO.PNG", WriteFile("other.png", "second logo")), 0);
    EXPECT_EQ(Names(archive), QStringList({"stamp.bmp", "skin.xml", "LOGO.PNG"}));
    EXPECT_EQ(archive.Reader()->ReadEntry("logo.png"), QByteArray("second logo"));

    const std::optional<QByteArray> saved = archive.ReplaceMarkup("<Window>\n</Window>", "/tmp/t.vt");
    ASSERT_TRUE(saved);
    EXPECT_EQ(Names(archive), QStringList({"stamp.bmp", "LOGO.PNG", "skin.xml"}));
    auto reopened = ZipReader::FromBytes(*saved);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->ReadEntry("skin.xml"), QByteArray("<Window>\n</Window>"));

    ASSERT_EQ(archive.RemoveEntry("Stamp.BMP"), 0);
    EXPECT_EQ(Names(archive), QStringList({"LOGO.PNG", "skin.xml"}));
}

TEST_F(TemplateArchiveTest, RemovingAnAbsentNameKeepsEveryEntry)
{
    TemplateArchive archive;
    ASSERT_EQ(archive.PutEntry("a.png", WriteFile("a.png", "aaa")), 0);
    ASSERT_TRUE(archive.ReplaceMarkup("<Window />", "/tmp/t.vt"));
    const QByteArray before = archive.Reader()->Bytes();
    ASSERT_EQ(archive.RemoveEntry("absent.png"), 0);
    EXPECT_EQ(Names(archive), QStringList({"a.png", "skin.xml"}));
    EXPECT_EQ(archive.Reader()->ReadEntry("a.png"), QByteArray("aaa"));
    EXPECT_EQ(archive.Reader()->ReadEntry("skin.xml"), QByteArray("<Window />"));
    EXPECT_EQ(archive.Size(), before.size());
}

TEST_F(TemplateArchiveTest, OpeningAFileSharesItsReaderAndKeepsFolders)
{
    ZipWriter writer(0);
    writer.AddDirectory("images");
    writer.AddFile("images/a.png", "png");
    writer.AddFile("notes.txt", {}); // an empty entry from another tool
    writer.AddFile("skin.xml", "<Window />");
    QByteArray bytes;
    ASSERT_EQ(writer.Finish(&bytes), 0);
    const QString path = WriteFile("shop.vt", bytes);

    TemplateArchive archive;
    ASSERT_TRUE(archive.OpenFile(path));
    EXPECT_EQ(archive.Size(), bytes.size());
    EXPECT_EQ(archive.Directory(), m_dir.path() + "/");
    EXPECT_EQ(CPaintManagerUI::GetResourceZipName(), path);
    EXPECT_TRUE(CPaintManagerUI::IsResourceZipKeptOpen());
    EXPECT_EQ(CPaintManagerUI::GetResourceZip(), archive.Reader());

    // Folders stay folders; the empty entry survives the rebuild.
    ASSERT_TRUE(archive.ReplaceMarkup("<Window></Window>", path));
    EXPECT_EQ(Names(archive), QStringList({"images/", "images/a.png", "notes.txt", "skin.xml"}));
    EXPECT_TRUE(archive.Reader()->Entry(0).isDirectory);
    EXPECT_EQ(archive.Reader()->ReadEntry("notes.txt"), QByteArray());
    // An empty image file imports too.
    EXPECT_EQ(archive.PutEntry("blank.png", WriteFile("blank.png", {})), 0);

    archive.Clear();
    EXPECT_EQ(archive.Size(), 0);
    EXPECT_FALSE(archive.Reader());
    EXPECT_FALSE(CPaintManagerUI::GetResourceZip());
}

TEST_F(TemplateArchiveTest, AFileThatIsNoArchiveLeavesNoReader)
{
    TemplateArchive archive;
    const QString path = WriteFile("broken.vt", "this is not a zip file");
    EXPECT_FALSE(archive.OpenFile(path));
    EXPECT_FALSE(archive.Reader());
    EXPECT_FALSE(CPaintManagerUI::GetResourceZip());
    EXPECT_EQ(CPaintManagerUI::GetResourceZipName(), path);
    // Saving it starts a fresh archive.
    ASSERT_TRUE(archive.ReplaceMarkup("<Window />", path));
    EXPECT_EQ(Names(archive), QStringList{"skin.xml"});
}

TEST_F(TemplateArchiveTest, FailedImportsAndSavesChangeNothing)
{
    ZipWriter writer(0);
    writer.AddFile("photo.png", QByteArray(2000, 'p'));
    writer.AddFile("skin.xml", "<Window />");
    QByteArray bytes;
    ASSERT_EQ(writer.Finish(&bytes), 0);
    // Damage the photo's packed data; its checksum no longer matches.
    bytes[30 + 9 + 17 + 3] = static_cast<char>(bytes[30 + 9 + 17 + 3] ^ 0x33);
    const QString path = WriteFile("damaged.vt", bytes);

    TemplateArchive archive;
    ASSERT_TRUE(archive.OpenFile(path));
    const auto reader = archive.Reader();
    const qint64 size = archive.Size();

    EXPECT_EQ(archive.PutEntry("new.png", m_dir.filePath("does-not-exist.png")), 512);
    EXPECT_EQ(archive.PutEntry("new.png", m_dir.path()), 512) << "a folder cannot be read as a file";

    CapturedLog log;
    EXPECT_EQ(archive.PutEntry("new.png", WriteFile("new.png", "new")), 0x80000);
    EXPECT_FALSE(archive.ReplaceMarkup("<Window />", "/home/操作员/票.vt"));
    EXPECT_EQ(log.Text(), "<Warning>CopyZipWithOut" + path.toStdString() +
                              "Error, cound not open a mmap file\n"
                              "<Warning>CopyZipWithOut/home/操作员/票.vtError, cound not open a mmap file\n");

    EXPECT_EQ(archive.Reader(), reader);
    EXPECT_EQ(archive.Size(), size);
    EXPECT_EQ(CPaintManagerUI::GetResourceZip(), reader);
    EXPECT_EQ(CPaintManagerUI::GetResourceZipName(), path);

    // Removing the damaged entry is the way out, and it works.
    EXPECT_EQ(archive.RemoveEntry("PHOTO.png"), 0);
    EXPECT_EQ(Names(archive), QStringList{"skin.xml"});
}

} // namespace
