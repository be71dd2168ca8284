#include "elements/ShapeElements.h"

#include "elements/ElementKind.h"

namespace MarkupUI {

namespace {
constexpr int32_t kNewShapeLineWidth = 1;
} // namespace

CHorzontalLineUI::CHorzontalLineUI()
{
    m_borderSize = kNewShapeLineWidth;
}

int CHorzontalLineUI::GetElementKind() const
{
    return kElementHorizontalLine;
}

QString CHorzontalLineUI::GetClass() const
{
    return QStringLiteral("HorzontalLineUI");
}

void* CHorzontalLineUI::GetInterface(const QString& name)
{
    return name == u"HorzontalLine" ? this : CDesignImpl::GetInterface(name);
}

CVerticalLineUI::CVerticalLineUI()
{
    m_borderSize = kNewShapeLineWidth;
}

int CVerticalLineUI::GetElementKind() const
{
    return kElementVerticalLine;
}

QString CVerticalLineUI::GetClass() const
{
    return QStringLiteral("VerticalLineUI");
}

void* CVerticalLineUI::GetInterface(const QString& name)
{
    return name == u"VerticalLine" ? this : CDesignImpl::GetInterface(name);
}

CRectangleUI::CRectangleUI()
{
    m_borderSize = kNewShapeLineWidth;
}

int CRectangleUI::GetElementKind() const
{
    return kElementRectangle;
}

QString CRectangleUI::GetClass() const
{
    return QStringLiteral("RectangleUI");
}

void* CRectangleUI::GetInterface(const QString& name)
{
    return name == u"Rectangle" ? this : CDesignImpl::GetInterface(name);
}

CCircularUI::CCircularUI()
{
    m_borderSize = kNewShapeLineWidth;
}

int CCircularUI::GetElementKind() const
{
    return kElementCircle;
}

QString CCircularUI::GetClass() const
{
    return QStringLiteral("CircularUI");
}

void* CCircularUI::GetInterface(const QString& name)
{
    return name == u"Circular" ? this : CDesignImpl::GetInterface(name);
}

} // namespace MarkupUI
