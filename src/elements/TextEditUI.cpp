#include "elements/TextEditUI.h"

#include "elements/ElementKind.h"

#include <QCoreApplication>

namespace MarkupUI {

CTextEditUI::CTextEditUI()
{
    // Setting the text also fits the font, once the element has a manager.
    SetText(QCoreApplication::translate("MarkupUI::CTextEditUI", "Text"));
}

int CTextEditUI::GetElementKind() const
{
    return kElementText;
}

QString CTextEditUI::GetClass() const
{
    return QStringLiteral("TextEditUI");
}

void* CTextEditUI::GetInterface(const QString& name)
{
    return name == u"TextEdit" ? this : CDesignLabelUI::GetInterface(name);
}

platform::Size CTextEditUI::GetDisplaySize()
{
    return m_fixedSize;
}

} // namespace MarkupUI
