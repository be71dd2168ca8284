#include "elements/DesignLabelUI.h"

#include "controls/AttributeValues.h"
#include "controls/FontAttribute.h"
#include "controls/PaintManagerUI.h"
#include "elements/FormUI.h"
#include "platform/DrawTextFlags.h"
#include "platform/MulDiv.h"

#include <algorithm>
#include <cmath>

namespace MarkupUI {

using namespace platform;

namespace {
// The largest character cell the printer's glyphs can have, in dots.
constexpr int32_t kMaxCellDots = 64;
constexpr int32_t kMinFontHeight = 10;

bool Is(const QString& name, const char16_t* expected)
{
    return name.compare(QStringView(expected), Qt::CaseInsensitive) == 0;
}
} // namespace

CDesignLabelUI::CDesignLabelUI() : m_textStyle(DT_CENTER | DT_VCENTER | DT_SINGLELINE) {}

QString CDesignLabelUI::GetClass() const
{
    return QStringLiteral("DesignLabelUI");
}

void* CDesignLabelUI::GetInterface(const QString& name)
{
    if (Is(name, u"DesignLabel")) {
        return this;
    }
    return CDesignImpl::GetInterface(name);
}

void CDesignLabelUI::SetText(const QString& text)
{
    if (m_text == text) {
        return;
    }
    m_text = text;
    AutoFitFont();
    Invalidate();
}

void CDesignLabelUI::SetPos(Rect rc)
{
    const int32_t oldWidth = GetWidth();
    const int32_t oldHeight = GetHeight();
    CDesignImpl::SetPos(rc);
    if (GetWidth() != oldWidth || GetHeight() != oldHeight) {
        AutoFitFont();
    }
}

void CDesignLabelUI::DoInit()
{
    // No handle is made: until the font is set or fitted the element draws
    // with the default font, which the description now mirrors.
    if (!m_font && m_manager != nullptr) {
        m_fontDescription = m_manager->GetDefaultFontDescription();
    }
}

void CDesignLabelUI::SetAttribute(const QString& name, const QString& value)
{
    if (Is(name, u"align")) {
        // Substrings in this order and exact case, so "vcenter" centres too.
        if (value.contains(u"left")) {
            m_textStyle &= ~(DT_CENTER | DT_RIGHT | DT_SINGLELINE);
        }
        if (value.contains(u"center")) {
            m_textStyle &= ~DT_RIGHT;
            m_textStyle |= DT_CENTER;
        }
        if (value.contains(u"right")) {
            m_textStyle &= ~(DT_CENTER | DT_SINGLELINE);
            m_textStyle |= DT_RIGHT;
        }
    } else if (Is(name, u"valign")) {
        if (value.contains(u"top")) {
            m_textStyle &= ~(DT_BOTTOM | DT_VCENTER);
            m_textStyle |= DT_TOP | DT_SINGLELINE;
        }
        if (value.contains(u"vcenter")) {
            m_textStyle &= ~DT_BOTTOM;
            m_textStyle |= DT_VCENTER | DT_SINGLELINE;
        }
        if (value.contains(u"bottom")) {
            m_textStyle &= ~DT_VCENTER;
            m_textStyle |= DT_BOTTOM | DT_SINGLELINE;
        }
    } else if (Is(name, u"endellipsis")) {
        if (value.compare(u"true", Qt::CaseInsensitive) == 0) {
            m_textStyle |= DT_END_ELLIPSIS;
        } else {
            m_textStyle &= ~DT_END_ELLIPSIS;
        }
    } else if (Is(name, u"wordbreak")) {
        if (value.compare(u"true", Qt::CaseInsensitive) == 0) {
            m_textStyle &= ~DT_SINGLELINE;
            m_textStyle |= DT_WORDBREAK | DT_EDITCONTROL;
        } else {
            m_textStyle &= ~(DT_WORDBREAK | DT_EDITCONTROL);
            m_textStyle |= DT_SINGLELINE;
        }
    } else if (Is(name, u"font")) {
        SetFontDescription(ParseFontDescription(value));
    } else if (name == u"num_length") {
        SetNumLength(AttributeValues::ParseInt(value));
    } else {
        CDesignImpl::SetAttribute(name, value);
    }
}

void CDesignLabelUI::SetNumLength(int32_t length)
{
    m_numLength = length;
}

Size CDesignLabelUI::GetDisplaySize()
{
    return DisplaySizeForCells(m_numLength);
}

Size CDesignLabelUI::DisplaySizeForCells(int32_t cells) const
{
    Size size = m_fixedSize;
    if (cells == 0 || m_parent == nullptr) {
        return size;
    }
    // Sizes go to the printer in dots; without a form around the element
    // view units stand for dots.
    int32_t widthDots = size.cx;
    int32_t heightDots = size.cy;
    const auto* form = static_cast<const CFormUI*>(m_parent->GetInterface(QStringLiteral("Form")));
    if (form != nullptr && form->GetPrintableWidthView() != 0 && form->GetPrintableHeightView() != 0) {
        widthDots = MulDiv(size.cx, form->GetPrintableWidthDots(), form->GetPrintableWidthView());
        heightDots = MulDiv(size.cy, form->GetPrintableHeightDots(), form->GetPrintableHeightView());
    }
    const int32_t cellArea = MulDiv(heightDots, widthDots, cells);
    if (cellArea > kMaxCellDots * kMaxCellDots) {
        const double factor = kMaxCellDots / std::sqrt(static_cast<double>(cellArea));
        size.cx = static_cast<int32_t>(size.cx * factor);
        size.cy = static_cast<int32_t>(size.cy * factor);
    }
    return size;
}

void CDesignLabelUI::SetFontDescription(const FontDescription& description)
{
    m_fontDescription = description;
    m_font = ToQFont(m_fontDescription);
    Invalidate();
}

QFont CDesignLabelUI::GetDrawingFont() const
{
    if (m_font) {
        return *m_font;
    }
    if (m_manager != nullptr) {
        return m_manager->GetDefaultFontInfo().ToQFont();
    }
    return ToQFont(m_fontDescription);
}

void CDesignLabelUI::AutoFitFont()
{
    if (m_text.isEmpty() || m_manager == nullptr || m_manager->GetPaintDC() == nullptr) {
        return;
    }
    const Size text = m_manager->GetPaintDC()->MeasureText(GetDrawingFont(), m_text, m_textStyle);
    const Size box = GetDisplaySize();
    int32_t height = box.cy;
    if (int64_t(text.cx) * box.cy > int64_t(box.cx) * text.cy) {
        height = MulDiv(text.cy, box.cx, text.cx);
    }
    const int32_t fitted = -std::max(height, kMinFontHeight);
    if (fitted == m_fontDescription.height) {
        return;
    }
    m_fontDescription.height = fitted;
    m_font = ToQFont(m_fontDescription);
}

} // namespace MarkupUI
