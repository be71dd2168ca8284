#pragma once

#include "document/DesignControlBuilder.h"
#include "document/TemplateArchive.h"
#include "elements/FormUI.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace MarkupUI {
class CPaintManagerUI;
}

namespace document {

// What a design view hears from its document.
class DocumentObserver
{
public:
    virtual ~DocumentObserver() = default;
    // The modified flag is about to be cleared (after a save): the view
    // records its edit history's current position as the saved one.
    virtual void DocumentWillBeClean() {}
    virtual void DocumentModifiedChanged(bool /*modified*/) {}
    // The template is about to be emptied for a new or opened one: views
    // let go of its elements while they still exist.
    virtual void DocumentWillDeleteContents() {}
    // New, open or delete contents replaced the form and paint manager.
    virtual void DocumentContentsReplaced() {}
};

// The one open template: the form with its elements, the paint manager
// shared with the design view, and the template archive. Widget-free, so
// the command-line tool opens and saves exactly as the designer does.
class CDesignerDoc
{
public:
    CDesignerDoc();
    ~CDesignerDoc();
    CDesignerDoc(const CDesignerDoc&) = delete;
    CDesignerDoc& operator=(const CDesignerDoc&) = delete;

    // A fresh default form, new paint manager, empty archive.
    bool OnNewDocument();
    // Fails only when the file cannot be read, and then changes nothing.
    // Any other file opens; when it is not a readable template the form is
    // empty and OpenWarnings() says why.
    bool OnOpenDocument(const QString& path);
    // Writes the template to path. The previous file survives any failure;
    // LastError() then says why and the document stays modified.
    bool OnSaveDocument(const QString& path);
    void DeleteContents();

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);

    QString GetPathName() const { return m_pathName; }
    void SetPathName(const QString& path) { m_pathName = path; }
    // The folder of the template, ending in "/"; image paths saved inside
    // it are made relative.
    QString GetDirectory() const { return m_archive.Directory(); }

    MarkupUI::CFormUI* GetForm() const { return m_form.get(); }
    MarkupUI::FormPtr GetFormPtr() const { return m_form; }
    std::shared_ptr<MarkupUI::CPaintManagerUI> GetPaintManager() const { return m_paintManager; }
    TemplateArchive& Archive() { return m_archive; }
    const TemplateArchive& Archive() const { return m_archive; }

    // Why the last opened file gave an empty form ("not a ZIP archive",
    // "no skin.xml", the markup error); empty for a good template.
    QStringList OpenWarnings() const { return m_openWarnings; }
    QString LastError() const { return m_lastError; }

    // Imports or removes an archive entry (the image picker); see
    // TemplateArchive::PutEntry for the codes.
    int PutArchiveEntry(const QString& name, const QString& sourcePath);

    void AddObserver(DocumentObserver* observer);
    void RemoveObserver(DocumentObserver* observer);

private:
    void ResetContents();
    void NotifyContentsReplaced();

    QString m_pathName;
    bool m_modified = false;
    TemplateArchive m_archive;
    DesignControlBuilder m_builder;
    std::shared_ptr<MarkupUI::CPaintManagerUI> m_paintManager;
    MarkupUI::FormPtr m_form;
    QStringList m_openWarnings;
    QString m_lastError;
    std::vector<DocumentObserver*> m_observers;
};

// Sizes the form as the design view does when it shows a document: its
// stored width and height, or the paper's width in printer dots and
// 5/4 of that as height; square screen pixels.
void SizeFormAsDesignView(MarkupUI::CFormUI& form);
// Attaches the form to the document's paint manager (which initialises
// every element) and sizes it, as the design view does on showing it.
void ShowAsDesignView(CDesignerDoc& doc);

} // namespace document
