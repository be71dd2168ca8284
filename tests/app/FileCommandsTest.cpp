#include "FrameTestSupport.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/DesignerApp.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace app::test {
namespace {

using Choice = FramePrompts::SaveChoice;

class FileCommands : public ::testing::Test
{
protected:
    // A real template written by the document itself.
    QString MakeTemplate(const QString& name)
    {
        document::CDesignerDoc doc;
        doc.OnNewDocument();
        const QString path = dir.filePath(name);
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }

    QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    FrameFixture f;
};

TEST_F(FileCommands, CommandLineOpensTheFileOrStartsANewTemplate)
{
    const QString path = MakeTemplate("ticket.vt");
    ASSERT_TRUE(CDesignerApp::ProcessShellCommand(*f.frame, {path}));
    EXPECT_EQ(f.document.GetPathName(), QFileInfo(path).absoluteFilePath());
    EXPECT_FALSE(f.document.IsModified());
    EXPECT_TRUE(f.prompts->warnings.isEmpty());
    EXPECT_EQ(f.frame->RecentFiles(), QStringList{path});
    EXPECT_EQ(f.frame->windowTitle(), "ticket.vt[*] - Vantro  Number  Print  Software");

    ASSERT_TRUE(CDesignerApp::ProcessShellCommand(*f.frame, {}));
    EXPECT_TRUE(f.document.GetPathName().isEmpty());
    EXPECT_EQ(f.frame->windowTitle(), "Untitled[*] - Vantro  Number  Print  Software");
    // Saved under a name, the title takes it.
    f.prompts->savePath = dir.filePath("queue.vt");
    ASSERT_TRUE(f.frame->SaveDocumentAs());
    EXPECT_EQ(f.frame->windowTitle(), "queue.vt[*] - Vantro  Number  Print  Software");

    // A file that cannot be read stops the start, and the user is told why.
    EXPECT_FALSE(CDesignerApp::ProcessShellCommand(*f.frame, {dir.filePath("missing.vt")}));
    ASSERT_EQ(f.prompts->warnings.size(), 1);
    EXPECT_TRUE(f.prompts->warnings[0].contains("missing.vt"));
}

TEST_F(FileCommands, UnreadableFileWarnsAndIsNotOverwrittenBySave)
{
    const QString path = dir.filePath("notes.vt");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("shopping list, not a template\n");
    }
    ASSERT_TRUE(f.frame->OpenDocumentFile(path));
    ASSERT_EQ(f.prompts->warnings.size(), 1);
    EXPECT_TRUE(f.prompts->warnings[0].contains("notes.vt"));
    EXPECT_TRUE(f.prompts->warnings[0].contains("ZIP"));
    EXPECT_FALSE(f.frame->RecentFiles().contains(path));

    // Save asks for a name; cancelling leaves the original alone.
    f.document.SetModifiedFlag(true);
    f.prompts->savePath.clear();
    EXPECT_FALSE(f.frame->SaveDocument());
    EXPECT_EQ(f.prompts->suggestedSavePaths.size(), 1);
    EXPECT_EQ(Contents(path), "shopping list, not a template\n");
    EXPECT_TRUE(f.document.IsModified());
}

TEST_F(FileCommands, AskToSaveBeforeReplacingAModifiedTemplate)
{
    const QString path = MakeTemplate("queue.vt");
    ASSERT_TRUE(f.frame->OpenDocumentFile(path));
    const QByteArray saved = Contents(path);

    // Cancel: nothing happens.
    f.document.SetModifiedFlag(true);
    f.prompts->saveChoices = {Choice::Cancel};
    EXPECT_FALSE(f.frame->NewDocument());
    EXPECT_EQ(f.prompts->askedToSave, QStringList{"queue.vt"});
    EXPECT_TRUE(f.document.IsModified());
    EXPECT_EQ(f.document.GetPathName(), path);
    EXPECT_FALSE(f.frame->close());

    // Discard: the new template replaces it, the file stays as it was.
    f.prompts->saveChoices = {Choice::Discard};
    EXPECT_TRUE(f.frame->NewDocument());
    EXPECT_FALSE(f.document.IsModified());
    EXPECT_TRUE(f.document.GetPathName().isEmpty());
    EXPECT_EQ(Contents(path), saved);

    // Save: an untitled template asks for a name first, then is replaced.
    f.document.SetModifiedFlag(true);
    const QString newPath = dir.filePath("new.vt");
    f.prompts->savePath = newPath;
    f.prompts->saveChoices = {Choice::Save};
    EXPECT_TRUE(f.frame->OpenDocumentFile(path));
    EXPECT_TRUE(QFileInfo::exists(newPath));
    EXPECT_EQ(f.document.GetPathName(), path);
    EXPECT_FALSE(f.document.IsModified());
    EXPECT_EQ(f.frame->RecentFiles(), (QStringList{path, newPath}));
}

TEST_F(FileCommands, FailedSaveSaysWhyAndKeepsTheTemplateModified)
{
    f.document.SetModifiedFlag(true);
    const QString path = dir.filePath("no-such-folder/ticket.vt");
    f.prompts->savePath = path;
    f.frame->Commands().Action(ID_FILE_SAVE)->trigger();
    ASSERT_EQ(f.prompts->warnings.size(), 1);
    EXPECT_TRUE(f.prompts->warnings[0].contains("ticket.vt"));
    EXPECT_GT(f.prompts->warnings[0].count(QLatin1Char('\n')), 0) << "the reason follows";
    EXPECT_TRUE(f.document.IsModified());
    EXPECT_TRUE(f.frame->Commands().Action(ID_FILE_SAVE)->isEnabled());
    EXPECT_TRUE(f.frame->RecentFiles().isEmpty());

    // Closing asks again; a failed save keeps the window open.
    f.prompts->saveChoices = {Choice::Save};
    EXPECT_FALSE(f.frame->close());
}

TEST_F(FileCommands, RecentFilesKeepTheLastTwoAcrossSessions)
{
    const QString a = MakeTemplate("a.vt");
    const QString b = MakeTemplate("b.vt");
    const QString c = MakeTemplate("c.vt");
    for (const QString& path : {a, b, c}) {
        ASSERT_TRUE(f.frame->OpenDocumentFile(path));
    }
    EXPECT_EQ(f.frame->RecentFiles(), (QStringList{c, b}));
    QSettings settings;
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), c);
    EXPECT_EQ(settings.value("Recent File List/File2").toString(), b);

    FrameFixture next(/*keepSettings=*/true);
    EXPECT_EQ(next.frame->RecentFiles(), (QStringList{c, b}));
}

TEST_F(FileCommands, DroppedFileIsOpened)
{
    const QString path = MakeTemplate("dropped.vt");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    // The drop goes to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.frame.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    QApplication::processEvents();
    EXPECT_EQ(f.document.GetPathName(), path);
}

} // namespace
} // namespace app::test
