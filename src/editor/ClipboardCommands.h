#pragma once

#include "controls/ControlUI.h"

#include <QObject>

class QClipboard;

namespace document {
struct FragmentContents;
}

namespace editor {

class CDesignerView;

// Copy, paste and delete on the design view's selection. Copies travel as
// markup under the designer's own clipboard format, so they paste into any
// running designer; whatever the clipboard holds is read as hostile.
class CClipboardCommands : public QObject
{
    Q_OBJECT
public:
    // On the application's clipboard unless another is given.
    explicit CClipboardCommands(CDesignerView& view, QClipboard* clipboard = nullptr);

    // Enable rules, cheap enough for every idle pass; all false while a
    // mouse drag runs. Copy: a selected element other than the page and
    // the counted numbers.
    bool CanCopy() const;
    // Paste: the clipboard offers the designer's format (read when it changes).
    bool CanPaste() const;
    // Delete: something selected and the primary element is not the page.
    bool CanDelete() const;

    // Puts the selected elements on the clipboard. Ticket numbers, waiting
    // counts and now-serving numbers are never copied and leave the
    // selection; the page is never copied.
    void Copy();
    // Adds the clipboard's elements 10 px right of and below where they were
    // copied from, selected, as one undoable change. Only sound elements are
    // pasted, and never a second counted number; the status bar says what
    // was left out. Answers how many were pasted.
    int Paste();
    // Takes the selected elements off the page as one undoable change.
    void DeleteSelection();

signals:
    // The clipboard began or ceased to offer something to paste.
    void PasteOfferChanged();

private:
    void ClipboardChanged();
    int PasteContents(document::FragmentContents& contents);
    MarkupUI::CControlUI* PasteTarget() const;

    CDesignerView& m_view;
    QClipboard* m_clipboard;
    bool m_pasteOffered = false;
};

} // namespace editor
