#pragma once

#include "elements/DesignImpl.h"

namespace MarkupUI {

// The four shapes. Each draws with the border size as its line width and
// the border colour; a new shape has a line one unit wide.

class CHorzontalLineUI : public CDesignImpl
{
public:
    CHorzontalLineUI();
    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;
    void DoPaint(platform::DrawingContext& dc, const platform::Rect& paint) override;
};

class CVerticalLineUI : public CDesignImpl
{
public:
    CVerticalLineUI();
    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;
    void DoPaint(platform::DrawingContext& dc, const platform::Rect& paint) override;
};

class CRectangleUI : public CDesignImpl
{
public:
    CRectangleUI();
    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;
    void DoPaint(platform::DrawingContext& dc, const platform::Rect& paint) override;
};

// A circle or ellipse inscribed in the element.
class CCircularUI : public CDesignImpl
{
public:
    CCircularUI();
    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;
    void DoPaint(platform::DrawingContext& dc, const platform::Rect& paint) override;
};

} // namespace MarkupUI
