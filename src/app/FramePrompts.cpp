#include "app/FramePrompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace app {

namespace {

QString ApplicationTitle()
{
    return QCoreApplication::translate("app::CMainFrame", "Vantro  Number  Print  Software");
}

} // namespace

QString TemplateFileFilter()
{
    return QCoreApplication::translate("app::FramePrompts", "Design template (*.vt)");
}

FramePrompts::SaveChoice DialogPrompts::AskToSave(QWidget* parent, const QString& documentName)
{
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(),
                    QCoreApplication::translate("app::FramePrompts", "Save changes to %1?").arg(documentName),
                    QMessageBox::NoButton, parent);
    QPushButton* save =
        box.addButton(QCoreApplication::translate("app::FramePrompts", "&Save"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QCoreApplication::translate("app::FramePrompts", "&Don't Save"),
                                         QMessageBox::DestructiveRole);
    QPushButton* cancel =
        box.addButton(QCoreApplication::translate("app::FramePrompts", "Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return SaveChoice::Save;
    }
    return box.clickedButton() == discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

QString DialogPrompts::ChooseOpenPath(QWidget* parent, const QString& folder)
{
    const QString filters = TemplateFileFilter() + QStringLiteral(";;") +
                            QCoreApplication::translate("app::FramePrompts", "All files (*)");
    return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("app::FramePrompts", "Open"),
                                        folder, filters);
}

QString DialogPrompts::ChooseSavePath(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, QCoreApplication::translate("app::FramePrompts", "Save As"), suggested,
                       TemplateFileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without the extension still becomes a template file.
    dialog.setDefaultSuffix(QStringLiteral("vt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void DialogPrompts::Warn(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), text, QMessageBox::NoButton, parent);
    box.addButton(QCoreApplication::translate("app::FramePrompts", "OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool DialogPrompts::AskToUploadWithErrors(QWidget* parent, int errorCount)
{
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(),
                    errorCount == 1
                        ? QCoreApplication::translate("app::FramePrompts",
                                                      "The check found an error: the printer would not print "
                                                      "this ticket as designed. The Check Results pane lists "
                                                      "it.\n\nUpload the template anyway?")
                        : QCoreApplication::translate("app::FramePrompts",
                                                      "The check found %1 errors: the printer would not print "
                                                      "this ticket as designed. The Check Results pane lists "
                                                      "them.\n\nUpload the template anyway?")
                              .arg(errorCount),
                    QMessageBox::NoButton, parent);
    QPushButton* upload =
        box.addButton(QCoreApplication::translate("app::FramePrompts", "Upload Anyway"), QMessageBox::AcceptRole);
    QPushButton* cancel =
        box.addButton(QCoreApplication::translate("app::FramePrompts", "Cancel"), QMessageBox::RejectRole);
    // Enter keeps the printer's template as it is.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == upload;
}

} // namespace app
