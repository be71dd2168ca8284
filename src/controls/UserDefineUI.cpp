#include "controls/UserDefineUI.h"

namespace MarkupUI {

CUserDefineUI::CUserDefineUI(const QString& tag) : m_tag(tag) {}

void* CUserDefineUI::GetInterface(const QString& name)
{
    if (name == u"UserDefinedControl") {
        return this;
    }
    return CControlUI::GetInterface(name);
}

void CUserDefineUI::SetAttribute(const QString& name, const QString& value)
{
    m_attributes[name] = value;
}

} // namespace MarkupUI
