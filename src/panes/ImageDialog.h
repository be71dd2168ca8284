#pragma once

#include "panes/ImagePreview.h"
#include "panes/ImagePrompts.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

class QListWidget;
class QPushButton;

namespace document {
class CDesignerDoc;
}

namespace panes {

// "Select Image": lists the images stored in the template archive, previews
// the selected one, imports image files into the archive and removes them.
// Imports and removals change the document's archive at once; Cancel does
// not take them back.
class CImageDialog : public QDialog
{
    Q_OBJECT
public:
    // given: the picture's image string, a bare name or key='value' items.
    // Without prompts the real file dialog and message boxes are used.
    CImageDialog(document::CDesignerDoc& doc, const QString& given,
                 std::unique_ptr<ImagePrompts> prompts = {}, QWidget* parent = nullptr);
    ~CImageDialog() override;

    // After OK: the selected image's name, or empty when none was selected.
    QString Result() const { return m_result; }

    // For the Image row: the bare file name (possibly empty) on OK, nothing
    // on Cancel.
    static std::optional<QString> Pick(QWidget* parent, document::CDesignerDoc& doc, const QString& given);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillList();
    // Selects the entry of that name: the exact name, else one equal in
    // another letter case, else (when prefixAllowed) the first beginning
    // with it. False when none fits.
    bool SelectName(const QString& name, bool prefixAllowed);
    QString SelectedName() const;
    void PreviewSelected();

    void OnImport();
    void OnClear();
    void OnUnselect();
    void OnOk();

    // How many pictures of the template draw the archive entry of that name.
    int PicturesUsing(const QString& name) const;
    // Asks the design view to redraw the pictures after the archive changed.
    void RepaintDesign();

    document::CDesignerDoc& m_doc;
    std::unique_ptr<ImagePrompts> m_prompts;
    ImagePreviewShape m_shape;
    QString m_result;

    QListWidget* m_list = nullptr;
    CImagePreview* m_preview = nullptr;
};

} // namespace panes
