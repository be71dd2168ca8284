#include "elements/PictureUI.h"

#include "elements/ElementKind.h"

namespace MarkupUI {

int CPictureUI::GetElementKind() const
{
    return kElementPicture;
}

QString CPictureUI::GetClass() const
{
    return QStringLiteral("PictureUI");
}

void* CPictureUI::GetInterface(const QString& name)
{
    return name == u"Picture" ? this : CDesignImpl::GetInterface(name);
}

} // namespace MarkupUI
