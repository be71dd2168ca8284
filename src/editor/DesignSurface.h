#pragma once

#include <QString>

namespace MarkupUI {
class CFormUI;
}

namespace editor {

class EditHistory;

// What the panes may do to the design view without knowing it: record an
// edit, follow a new paper width, repaint, and tell the operator something.
class DesignSurface
{
public:
    virtual ~DesignSurface() = default;

    virtual EditHistory& History() = 0;
    // The form shown, or nullptr while no template is shown.
    virtual MarkupUI::CFormUI* Form() const = 0;
    // The paper width the view draws the page for, 58 or 80 millimetres.
    virtual int PaperWidthMm() const = 0;
    // Re-reads the paper width from the form and lays the page out again.
    virtual void PaperWidthChanged() = 0;
    virtual void InvalidateView() = 0;
    // A short message for the status bar.
    virtual void ShowStatusMessage(const QString& text) = 0;
};

} // namespace editor
