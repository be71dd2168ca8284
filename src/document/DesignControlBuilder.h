#pragma once

#include "controls/DialogBuilder.h"

#include <QByteArray>
#include <QString>

namespace document {

// Creates the form and the design elements from their markup tags; any
// other tag becomes a user-defined element that keeps its attributes.
class DesignControlBuilder : public MarkupUI::IDialogBuilderCallback
{
public:
    MarkupUI::ControlPtr CreateControl(const QString& tag) override;

    // Parses markup and builds its tree into manager's font table and
    // default lists. Null, with the reason in *error, when the markup
    // cannot be read or builds nothing.
    MarkupUI::ControlPtr Build(const QByteArray& markupUtf8, MarkupUI::CPaintManagerUI* manager,
                               MarkupUI::CControlUI* parent, QString* error);

private:
    MarkupUI::CDialogBuilder m_dialogBuilder;
};

} // namespace document
