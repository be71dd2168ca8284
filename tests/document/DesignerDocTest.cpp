#include "controls/PaintManagerUI.h"
#include "document/DesignerDoc.h"
#include "document/TemplateWriter.h"
#include "document/ZipReader.h"
#include "document/ZipWriter.h"
#include "support/CapturedLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

using document::CDesignerDoc;

namespace {

class DesignerDocTest : public ::testing::Test
{
protected:
    void TearDown() override { MarkupUI::CPaintManagerUI::SetResourceZip(QString(), false); }

    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // An archive holding the given entries, written by our own ZIP writer.
    QByteArray Archive(const std::vector<std::pair<QString, QByteArray>>& entries)
    {
        document::ZipWriter writer(1024);
        for (const auto& [name, bytes] : entries) {
            EXPECT_EQ(writer.AddFile(name, bytes), 0);
        }
        QByteArray archive;
        EXPECT_EQ(writer.Finish(&archive), 0);
        return archive;
    }

    QTemporaryDir m_dir;
};

class CleanPositionRecorder : public document::DocumentObserver
{
public:
    explicit CleanPositionRecorder(CDesignerDoc& doc) : m_doc(doc) {}
    void DocumentWillBeClean() override { events.push_back(m_doc.IsModified() ? "clean-from-modified" : "clean"); }
    void DocumentModifiedChanged(bool modified) override { events.push_back(modified ? "modified" : "unmodified"); }
    void DocumentContentsReplaced() override { events.push_back("replaced"); }
    std::vector<std::string> events;

private:
    CDesignerDoc& m_doc;
};

} // namespace

TEST_F(DesignerDocTest, AFileThatIsNotAZipOpensEmptyAndSavesAFreshArchive)
{
    const QString path = Path("notes.vt");
    WriteFile(path, "just some text, not a template");
    CDesignerDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetForm()->GetCount(), 0);
    EXPECT_EQ(doc.Archive().Size(), 0);
    EXPECT_EQ(doc.Archive().Reader(), nullptr);
    ASSERT_EQ(doc.OpenWarnings().size(), 1);
    EXPECT_TRUE(doc.OpenWarnings().first().contains("ZIP"));
    EXPECT_EQ(doc.GetDirectory(), m_dir.path() + "/");

    ASSERT_TRUE(doc.OnSaveDocument(path));
    const auto reader = document::ZipReader::FromFile(path);
    ASSERT_NE(reader, nullptr);
    ASSERT_EQ(reader->Count(), 1);
    EXPECT_EQ(reader->Entry(0).name, QStringLiteral("skin.xml"));
}

TEST_F(DesignerDocTest, MissingEmptyOrOversizedMarkupOpensAsAnEmptyFormWithAReason)
{
    const QByteArray goodForm = "<Window><Form width=\"640\" /></Window>";
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"missing.vt", Archive({{"logo.png", "png bytes"}})},
        {"empty.vt", Archive({{"skin.xml", QByteArray()}})},
        {"huge.vt", Archive({{"skin.xml", QByteArray(4 * 1024 * 1024 + 1, ' ')}})},
        {"broken.vt", Archive({{"skin.xml", "<Window><Form width='1' /></Window>"}})},
        {"noform.vt", Archive({{"skin.xml", "<Window><TextEdit /></Window>"}})},
    };
    for (const auto& [name, bytes] : cases) {
        WriteFile(Path(name), bytes);
        CDesignerDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(Path(name))) << name;
        EXPECT_EQ(doc.GetForm()->GetCount(), 0) << name;
        EXPECT_EQ(doc.GetForm()->GetFixedWidth(), 0) << name;
        EXPECT_EQ(doc.OpenWarnings().size(), 1) << name;
    }
    // Upper-case entry names are found too.
    WriteFile(Path("upper.vt"), Archive({{"SKIN.XML", goodForm}}));
    CDesignerDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Path("upper.vt")));
    EXPECT_TRUE(doc.OpenWarnings().isEmpty());
    EXPECT_EQ(doc.GetForm()->GetFixedWidth(), 640);
}

TEST_F(DesignerDocTest, AnUnreadableFileLeavesTheOpenTemplateAsItWas)
{
    CDesignerDoc doc;
    doc.OnNewDocument();
    doc.GetForm()->SetModel("80");
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.OnOpenDocument(Path("does-not-exist.vt")));
    EXPECT_FALSE(doc.LastError().isEmpty());
    EXPECT_EQ(doc.GetForm()->GetModel(), QStringLiteral("80"));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DesignerDocTest, AFailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    const QString folder = Path("readonly");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/ticket.vt";
    CDesignerDoc doc;
    doc.OnNewDocument();
    ASSERT_TRUE(doc.OnSaveDocument(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();

    doc.GetForm()->SetModel("80");
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther));
    // Root ignores folder permissions: save as an ordinary user for the attempt.
    const bool root = geteuid() == 0;
    testsupport::CapturedLog log;
    if (root) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    const bool ok = doc.OnSaveDocument(path);
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EXPECT_FALSE(ok);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.LastError().isEmpty());
    EXPECT_NE(log.Text().find("can't CreateFile " + path.toStdString()), std::string::npos);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 1) << "no temporary file is left behind";
}

TEST_F(DesignerDocTest, ClearingTheModifiedFlagLetsViewsRecordTheSavedPosition)
{
    CDesignerDoc doc;
    CleanPositionRecorder recorder(doc);
    doc.AddObserver(&recorder);
    doc.OnNewDocument();
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.OnSaveDocument(Path("a.vt")));
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"clean", "replaced", "modified", "clean-from-modified",
                                                          "unmodified"}));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), Path("a.vt"));
    doc.RemoveObserver(&recorder);
}

TEST_F(DesignerDocTest, ImportedPicturesSurviveASaveAndTheMarkupStaysLast)
{
    WriteFile(Path("logo.png"), "not really a png, but bytes to keep");
    CDesignerDoc doc;
    doc.OnNewDocument();
    ASSERT_TRUE(doc.OnSaveDocument(Path("t.vt")));
    ASSERT_EQ(doc.PutArchiveEntry("logo.png", Path("logo.png")), 0);
    ASSERT_TRUE(doc.OnSaveDocument(Path("t.vt")));
    const auto reader = document::ZipReader::FromFile(Path("t.vt"));
    ASSERT_NE(reader, nullptr);
    ASSERT_EQ(reader->Count(), 2);
    EXPECT_EQ(reader->Entry(0).name, QStringLiteral("logo.png"));
    EXPECT_EQ(reader->Entry(1).name, QStringLiteral("skin.xml"));
    EXPECT_EQ(*reader->ReadEntry("logo.png"), QByteArray("not really a png, but bytes to keep"));
}
