#pragma once

#include "elements/DesignLabelUI.h"

namespace MarkupUI {

// Fixed text printed as part of the page image.
class CTextEditUI : public CDesignLabelUI
{
public:
    CTextEditUI();

    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;

    // Text is not a number: the whole fixed size, whatever the length.
    platform::Size GetDisplaySize() override;
};

} // namespace MarkupUI
