#pragma once

#include <QByteArray>
#include <QString>

class TiXmlNode;

namespace MarkupUI {
class CControlUI;
class CFormUI;
class CPaintManagerUI;
} // namespace MarkupUI

namespace document {

// Writes one control as an element under parent, then its children. The
// clipboard uses it for each copied element. Image strings lose every
// occurrence of directory, so pictures inside the template's folder stay
// relative.
void SaveProperties(MarkupUI::CControlUI* control, TiXmlNode& parent, const QString& directory);

// The whole template markup: declaration, "Window", fonts, default lists
// and the form with its elements, printed as templates are stored.
QByteArray WriteTemplateMarkup(MarkupUI::CFormUI& form, const MarkupUI::CPaintManagerUI& manager,
                               const QString& directory);

} // namespace document
