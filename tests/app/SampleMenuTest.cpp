#include "FrameTestSupport.h"
#include "app/SampleTemplates.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace app::test {
namespace {

const QStringList kTitles{"Bank, 80 mm, Chinese and English", "Clinic, 58 mm",
                          "Government service hall, 80 mm, Chinese", "Minimal ticket, 58 mm"};

QByteArray Digest(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// The shipped samples copied into a folder of their own, read-only as an
// installation is; and the frame looking there.
class SampleMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(installed.isValid());
        const QDir source(QStringLiteral(TICKET_SOURCE_SAMPLES));
        for (const QString& name : source.entryList({"*.vt"}, QDir::Files)) {
            const QString copy = installed.filePath(name);
            ASSERT_TRUE(QFile::copy(source.filePath(name), copy));
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }

    std::unique_ptr<FrameFixture> MakeFrame(const QStringList& folders)
    {
        return std::make_unique<FrameFixture>(false, folders);
    }

    static QList<QAction*> Entries(const CMainFrame& frame) { return frame.SampleMenu()->actions(); }

    QTemporaryDir installed;
    QTemporaryDir home;
};

TEST_F(SampleMenu, ListsTheFourSamplesUnderReadableTitles)
{
    auto f = MakeFrame({installed.filePath("missing"), installed.path()});
    QStringList titles;
    for (QAction* action : Entries(*f->frame)) {
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
        titles << action->text();
    }
    EXPECT_EQ(titles, kTitles);
}

TEST_F(SampleMenu, SaysSoWhenNoSampleIsInstalled)
{
    QTemporaryDir empty;
    auto f = MakeFrame({empty.path(), installed.filePath("missing")});
    const QList<QAction*> entries = Entries(*f->frame);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0]->text(), "No samples found");
    EXPECT_FALSE(entries[0]->isEnabled());
}

TEST_F(SampleMenu, ASampleOpensUntitledAndSaveLeavesTheInstalledFileAlone)
{
    const QString clinic = installed.filePath("clinic-58mm.vt");
    const QByteArray shipped = Digest(clinic);
    ASSERT_FALSE(shipped.isEmpty());

    auto f = MakeFrame({installed.path()});
    Entries(*f->frame)[1]->trigger();
    EXPECT_TRUE(f->prompts->warnings.isEmpty()) << f->prompts->warnings.join('\n').toStdString();
    EXPECT_TRUE(f->document.OpenWarnings().isEmpty());
    EXPECT_TRUE(f->document.GetPathName().isEmpty());
    EXPECT_FALSE(f->document.IsModified());
    EXPECT_TRUE(f->frame->RecentFiles().isEmpty());
    const int elements = f->document.GetForm()->GetCount();
    EXPECT_GT(elements, 5);

    // Save asks for a name, suggesting the sample's own in the home folder;
    // cancelling writes nothing.
    f->document.SetModifiedFlag(true);
    EXPECT_FALSE(f->frame->SaveDocument());
    ASSERT_EQ(f->prompts->suggestedSavePaths.size(), 1);
    EXPECT_EQ(f->prompts->suggestedSavePaths[0], QDir::home().filePath("clinic-58mm.vt"));
    EXPECT_TRUE(f->document.IsModified());

    // Saved under the new name, the template is that file from then on.
    const QString mine = home.filePath("my-clinic.vt");
    f->prompts->savePath = mine;
    ASSERT_TRUE(f->frame->SaveDocument());
    EXPECT_EQ(f->document.GetPathName(), mine);
    EXPECT_EQ(Digest(clinic), shipped);

    document::CDesignerDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(mine));
    EXPECT_TRUE(reread.OpenWarnings().isEmpty());
    EXPECT_EQ(reread.GetForm()->GetCount(), elements);

    // A new template afterwards no longer borrows the sample's name.
    ASSERT_TRUE(f->frame->NewDocument());
    f->document.SetModifiedFlag(true);
    f->prompts->savePath.clear();
    EXPECT_FALSE(f->frame->SaveDocument());
    EXPECT_NE(f->prompts->suggestedSavePaths.last(), QDir::home().filePath("clinic-58mm.vt"));
}

TEST_F(SampleMenu, AnUnreadableSampleWarnsAndOpensNothingNamed)
{
    QTemporaryDir folder;
    {
        QFile broken(folder.filePath("bank-80mm.vt"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("not a template");
    }
    auto f = MakeFrame({folder.path()});
    ASSERT_EQ(Entries(*f->frame).size(), 1);
    Entries(*f->frame)[0]->trigger();
    ASSERT_EQ(f->prompts->warnings.size(), 1);
    EXPECT_TRUE(f->prompts->warnings[0].contains("bank-80mm.vt"));
    EXPECT_TRUE(f->document.GetPathName().isEmpty());
    EXPECT_EQ(f->document.GetForm()->GetCount(), 0);
}

TEST(SampleTemplates, EarlierFoldersWinAndOtherTemplatesFollowOursByName)
{
    QTemporaryDir first;
    QTemporaryDir second;
    for (const QString& path :
         {first.filePath("minimal-58mm.vt"), second.filePath("minimal-58mm.vt"), second.filePath("shop.vt"),
          second.filePath("bank-80mm.vt"), second.filePath("notes.txt"), first.filePath("cafe.vt")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QList<SampleTemplate> samples = FindSampleTemplates({first.path(), second.path()});
    QStringList titles;
    QStringList paths;
    for (const SampleTemplate& sample : samples) {
        titles << sample.title;
        paths << sample.path;
    }
    EXPECT_EQ(titles,
              (QStringList{"Bank, 80 mm, Chinese and English", "Minimal ticket, 58 mm", "cafe", "shop"}));
    EXPECT_EQ(paths[1], first.filePath("minimal-58mm.vt"));
}

} // namespace
} // namespace app::test
