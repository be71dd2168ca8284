#pragma once

#include "elements/DesignImpl.h"

namespace MarkupUI {

// An image from the template archive, named by the "bkimage" attribute and
// stretched over the element.
class CPictureUI : public CDesignImpl
{
public:
    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;
    // The largest opaque image of the element drawn plainly over its
    // destination: nothing beneath it shows there.
    platform::Rect OpaqueCover() override;
};

} // namespace MarkupUI
