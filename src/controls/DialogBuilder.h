#pragma once

#include "controls/ControlUI.h"
#include "controls/Markup.h"

namespace MarkupUI {

class CPaintManagerUI;

// Creates the control for a tag the library does not know itself.
class IDialogBuilderCallback
{
public:
    virtual ~IDialogBuilderCallback() = default;
    virtual ControlPtr CreateControl(const QString& tag) = 0;
};

// Builds a control tree from parsed markup: fonts and default attribute
// lists go to the paint manager, elements become controls. The tree comes
// back complete but attached to no paint manager.
class CDialogBuilder
{
public:
    // Nesting deeper than this is not a template; deeper elements are left
    // out instead of exhausting the stack.
    static constexpr int kMaxDepth = 64;

    CMarkup& GetMarkup() { return m_markup; }

    // Builds from the markup already loaded. Returns the first control
    // created at the top level; further top-level controls are released.
    ControlPtr Create(IDialogBuilderCallback* callback, CPaintManagerUI* manager, CControlUI* parent = nullptr);

private:
    void ReadDocumentSettings(const CMarkupNode& root, CPaintManagerUI* manager);
    ControlPtr Parse(const CMarkupNode& node, CControlUI* parent, CPaintManagerUI* manager, int depth);
    ControlPtr CreateControl(const QString& tag);

    CMarkup m_markup;
    IDialogBuilderCallback* m_callback = nullptr;
};

} // namespace MarkupUI
