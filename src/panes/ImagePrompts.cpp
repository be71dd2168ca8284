#include "panes/ImagePrompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace panes {

namespace {

QString ApplicationTitle()
{
    return QCoreApplication::translate("app::CMainFrame", "Vantro  Number  Print  Software");
}

} // namespace

QString DialogImagePrompts::ChooseImageFile(QWidget* parent, const QString& folder)
{
    const QString filters =
        QCoreApplication::translate("panes::ImagePrompts", "Image files (*.bmp *.jpg *.png)") +
        QStringLiteral(";;") + QCoreApplication::translate("panes::ImagePrompts", "All files (*)");
    QFileDialog dialog(parent, QCoreApplication::translate("panes::ImagePrompts", "Import Image"), folder,
                       filters);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool DialogImagePrompts::AskYesNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), question, QMessageBox::NoButton, parent);
    QPushButton* yes =
        box.addButton(QCoreApplication::translate("panes::ImagePrompts", "&Yes"), QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(QCoreApplication::translate("panes::ImagePrompts", "&No"), QMessageBox::NoRole);
    // Nothing is replaced or removed by a stray Enter.
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void DialogImagePrompts::Warn(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), text, QMessageBox::NoButton, parent);
    box.addButton(QCoreApplication::translate("panes::ImagePrompts", "OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace panes
