#include "panes/ImageDialog.h"

#include "controls/PaintManagerUI.h"
#include "document/DesignerDoc.h"
#include "document/ZipWriter.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using panes::CImageDialog;
using panes::CImagePreview;

namespace {

// Answers the picker's dialogs from a script and records what it asked.
class ScriptedImagePrompts : public panes::ImagePrompts
{
public:
    QString ChooseImageFile(QWidget*, const QString&) override { return path; }
    bool AskYesNo(QWidget*, const QString& question) override
    {
        questions << question;
        return answer;
    }
    void Warn(QWidget*, const QString& text) override { warnings << text; }

    QString path;
    bool answer = false;
    QStringList questions;
    QStringList warnings;
};

QByteArray Png(QColor color, QSize size = QSize(20, 10))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

class ImageDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_doc.OnNewDocument()); }
    void TearDown() override { MarkupUI::CPaintManagerUI::SetResourceZip(QString(), false); }

    QString WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    void Import(const QString& name)
    {
        ASSERT_EQ(m_doc.PutArchiveEntry(name, WriteFile(name, Png(Qt::black))), 0);
    }
    QByteArray ArchiveBytes() const { return m_doc.Archive().Reader()->Bytes(); }

    std::unique_ptr<CImageDialog> Open(const QString& given)
    {
        auto prompts = std::make_unique<ScriptedImagePrompts>();
        m_prompts = prompts.get();
        auto dialog = std::make_unique<CImageDialog>(m_doc, given, std::move(prompts));
        dialog->show();
        m_list = dialog->findChild<QListWidget*>("imageList");
        m_preview = dialog->findChild<CImagePreview*>("imagePreview");
        return dialog;
    }
    QStringList Listed() const
    {
        QStringList names;
        for (int row = 0; row < m_list->count(); ++row) {
            names << m_list->item(row)->text();
        }
        return names;
    }
    QString Selected() const
    {
        const auto items = m_list->selectedItems();
        return items.isEmpty() ? QString() : items.front()->text();
    }
    static void Click(QWidget* dialog, const char* button)
    {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // Grey level in the middle of the previewed image; -1 with nothing shown.
    int PreviewGrey() const
    {
        const QRect drawn = m_preview->DrawingRect();
        return drawn.isEmpty() ? -1 : qGray(m_preview->grab().toImage().pixel(drawn.center()));
    }

    QTemporaryDir m_dir;
    document::CDesignerDoc m_doc;
    ScriptedImagePrompts* m_prompts = nullptr;
    QListWidget* m_list = nullptr;
    CImagePreview* m_preview = nullptr;
};

TEST_F(ImageDialogTest, OpensOnTheGivenImageAndOkReturnsTheBareName)
{
    Import("logo.png");
    Import("stamp.png");
    const struct
    {
        QString given;
        QString selected;
        int grey; // -1: nothing previewed
    } cases[] = {
        {"", "", -1},
        {"stamp.png", "stamp.png", 0},
        {"file='logo.png' fade='128'", "logo.png", 127},
        {"file='logo.png' dest='0,0,10,5' fade='0'", "logo.png", 255},
        {"file='missing.png'", "", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given.toStdString());
        auto dialog = Open(c.given);
        EXPECT_EQ(Selected(), c.selected);
        EXPECT_NEAR(PreviewGrey(), c.grey, 2);
        Click(dialog.get(), "okButton");
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(dialog->Result(), c.selected);
    }
}

TEST_F(ImageDialogTest, ListsImagesSortedWithoutMarkupOrFoldersAndPrefersTheExactName)
{
    // A template written by another tool may hold names the designer would not.
    document::ZipWriter writer(1024);
    for (const QString name :
         {"zebra.png", "SKIN.XML", "pics/b.png", "Apple.png", "logo.png.bak", "LOGO.PNG", "logo.png"}) {
        ASSERT_EQ(writer.AddFile(name, Png(Qt::black)), 0);
    }
    ASSERT_EQ(writer.AddDirectory("pics/"), 0);
    QByteArray archive;
    ASSERT_EQ(writer.Finish(&archive), 0);
    ASSERT_TRUE(m_doc.OnOpenDocument(WriteFile("other.vt", archive)));

    const struct
    {
        QString given;
        QString selected;
    } cases[] = {
        {"logo.png", "logo.png"}, {"LOGO.PNG", "LOGO.PNG"}, {"Logo.Png", "LOGO.PNG"}, {"pics", "pics/b.png"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given.toStdString());
        auto dialog = Open(c.given);
        EXPECT_EQ(Listed(), QStringList({"Apple.png", "LOGO.PNG", "logo.png", "logo.png.bak", "pics/b.png",
                                         "zebra.png"}));
        EXPECT_EQ(Selected(), c.selected);
    }
}

TEST_F(ImageDialogTest, ImportingAListedNameInAnyCaseAsksBeforeReplacing)
{
    const struct
    {
        QString file;
        bool yes;
        QStringList listed;
    } cases[] = {
        {"logo.png", true, {"logo.png"}},
        {"logo.png", false, {"logo.png"}},
        {"LOGO.PNG", true, {"LOGO.PNG"}},
        {"Logo.png", false, {"logo.png"}},
        {"stamp.png", false, {"logo.png", "stamp.png"}}, // not listed: not asked
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString() + (c.yes ? " yes" : " no"));
        ASSERT_TRUE(m_doc.OnNewDocument());
        Import("logo.png");
        const QByteArray before = ArchiveBytes();
        auto dialog = Open("");
        m_prompts->path = WriteFile(c.file, Png(Qt::white));
        m_prompts->answer = c.yes;
        Click(dialog.get(), "importButton");

        const bool asked = c.file.compare("logo.png", Qt::CaseInsensitive) == 0;
        EXPECT_EQ(m_prompts->questions,
                  asked ? QStringList{"Is there a file with the same name, is it overwritten?"}
                        : QStringList{});
        EXPECT_TRUE(m_prompts->warnings.isEmpty());
        EXPECT_EQ(Listed(), c.listed);
        const bool imported = c.yes || !asked;
        EXPECT_EQ(Selected(), imported ? c.file : QString());
        EXPECT_EQ(PreviewGrey(), imported ? 255 : -1);
        if (imported) {
            EXPECT_EQ(m_doc.Archive().Reader()->ReadEntry(c.file), Png(Qt::white));
        } else {
            EXPECT_EQ(ArchiveBytes(), before);
        }
    }
}

TEST_F(ImageDialogTest, AFailedImportChangesNothingAndSaysSo)
{
    Import("logo.png");
    const QString cases[] = {
        m_dir.filePath("missing.png"),
        m_dir.path(),
        WriteFile("notes.png", "not an image at all"),
        WriteFile("cut.png", Png(Qt::red).left(40)),
        WriteFile("wide.png", Png(Qt::red, QSize(8193, 1))), // over the image limits
        WriteFile("Skin.xml", Png(Qt::red)),                 // the template's own markup
    };
    for (const QString& path : cases) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray before = ArchiveBytes();
        auto dialog = Open("logo.png");
        m_prompts->path = path;
        Click(dialog.get(), "importButton");
        EXPECT_EQ(m_prompts->warnings, QStringList{"File import failed!"});
        EXPECT_EQ(Listed(), QStringList{"logo.png"});
        EXPECT_EQ(Selected(), "logo.png");
        EXPECT_EQ(ArchiveBytes(), before);
    }
}

TEST_F(ImageDialogTest, ClearAsksOnlyWhilePicturesUseTheImage)
{
    const struct
    {
        QString pictureImage; // empty: no picture
        bool yes;
        bool asked;
        bool removed;
    } cases[] = {
        {"", false, false, true},
        {"other.png", false, false, true},
        {"file='LOGO.PNG' fade='100'", false, true, false},
        {"logo.png", true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pictureImage.toStdString());
        ASSERT_TRUE(m_doc.OnNewDocument());
        Import("logo.png");
        Import("other.png");
        if (!c.pictureImage.isEmpty()) {
            MarkupUI::ControlPtr picture =
                MarkupUI::CreateElement(MarkupUI::kElementPicture, {10, 10, 60, 40});
            picture->SetAttribute("bkimage", c.pictureImage);
            ASSERT_TRUE(m_doc.GetForm()->Add(picture.get()));
        }
        auto dialog = Open("");
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                          m_list->visualItemRect(m_list->item(0)).center());
        ASSERT_EQ(m_preview->FileName(), "logo.png");
        m_prompts->answer = c.yes;
        Click(dialog.get(), "clearButton");

        EXPECT_EQ(m_prompts->questions.size(), c.asked ? 1 : 0);
        EXPECT_EQ(m_doc.Archive().Reader()->Find("logo.png") < 0, c.removed);
        EXPECT_EQ(Listed().contains("logo.png"), !c.removed);
        EXPECT_EQ(PreviewGrey() < 0, c.removed);
    }
}

TEST_F(ImageDialogTest, EnterNeverClosesAndUnselectEmptiesThePreview)
{
    Import("logo.png");
    auto dialog = Open("logo.png");
    for (const char* name : {"imageList", "okButton", "importButton"}) {
        SCOPED_TRACE(name);
        auto* widget = dialog->findChild<QWidget*>(name);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClick(widget, Qt::Key_Enter);
        EXPECT_TRUE(dialog->isVisible());
    }
    Click(dialog.get(), "unselectButton");
    EXPECT_EQ(Selected(), "");
    EXPECT_EQ(PreviewGrey(), -1);
    Click(dialog.get(), "okButton");
    EXPECT_EQ(dialog->Result(), "");
}

TEST_F(ImageDialogTest, PickGivesTheNameOnOkAndNothingOnCancel)
{
    Import("logo.png");
    for (const char* button : {"okButton", "cancelButton"}) {
        SCOPED_TRACE(button);
        QTimer::singleShot(0, [button] { Click(QApplication::activeModalWidget(), button); });
        const std::optional<QString> picked =
            CImageDialog::Pick(nullptr, m_doc, "file='logo.png' fade='128'");
        EXPECT_EQ(picked, QString(button) == "okButton" ? std::optional<QString>("logo.png") : std::nullopt);
    }
}

} // namespace
