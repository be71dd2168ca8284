// The common attribute vocabulary of CControlUI and its appearance setters.
#include "controls/AttributeValues.h"
#include "controls/ControlUI.h"
#include "controls/PaintManagerUI.h"

namespace MarkupUI {

using platform::Rect;
using platform::Size;
namespace AV = AttributeValues;

namespace {
// Stores a value and reports whether it changed, for the setters that
// repaint only on a change.
template <typename T> bool Store(T& field, const T& value)
{
    if (field == value) {
        return false;
    }
    field = value;
    return true;
}
} // namespace

void CControlUI::SetAttribute(const QString& name, const QString& value)
{
    if (name == u"pos") {
        const Rect r = AV::ParseRect(value);
        // A negative left or top anchors the control to the right or bottom.
        SetFixedXY(Size{r.left >= 0 ? r.left : r.right, r.top >= 0 ? r.top : r.bottom});
        SetFixedWidth(static_cast<int32_t>(r.Width()));
        SetFixedHeight(static_cast<int32_t>(r.Height()));
    } else if (name == u"relativepos") {
        const auto v = AV::ParseIntList<4>(value);
        SetRelativePos(Size{v[0], v[1]}, Size{v[2], v[3]});
    } else if (name == u"padding") {
        SetPadding(AV::ParseRect(value));
    } else if (name == u"bkcolor" || name == u"bkcolor1") {
        SetBkColor(AV::ParseBackgroundColor(value));
    } else if (name == u"bkcolor2") {
        SetBkColor2(AV::ParseBackgroundColor(value));
    } else if (name == u"bkcolor3") {
        SetBkColor3(AV::ParseBackgroundColor(value));
    } else if (name == u"bordercolor") {
        SetBorderColor(AV::ParseBorderColor(value));
    } else if (name == u"focusbordercolor") {
        SetFocusBorderColor(AV::ParseBorderColor(value));
    } else if (name == u"colorhsl") {
        SetColorHSL(AV::ParseBool(value));
    } else if (name == u"bordersize") {
        // One value is the border width; four values are the side widths.
        if (value.contains(u',')) {
            SetBorderSize(AV::ParseRect(value));
        } else {
            SetBorderSize(AV::ParseInt(value));
            SetBorderSize(Rect{});
        }
    } else if (name == u"leftbordersize") {
        SetLeftBorderSize(AV::ParseInt(value));
    } else if (name == u"topbordersize") {
        SetTopBorderSize(AV::ParseInt(value));
    } else if (name == u"rightbordersize") {
        SetRightBorderSize(AV::ParseInt(value));
    } else if (name == u"bottombordersize") {
        SetBottomBorderSize(AV::ParseInt(value));
    } else if (name == u"borderstyle") {
        SetBorderStyle(AV::ParseInt(value));
    } else if (name == u"borderround") {
        SetBorderRound(AV::ParseSize(value));
    } else if (name == u"bkimage") {
        SetBkImage(value);
    } else if (name == u"width") {
        SetFixedWidth(AV::ParseInt(value));
    } else if (name == u"height") {
        SetFixedHeight(AV::ParseInt(value));
    } else if (name == u"minwidth") {
        SetMinWidth(AV::ParseInt(value));
    } else if (name == u"minheight") {
        SetMinHeight(AV::ParseInt(value));
    } else if (name == u"maxwidth") {
        SetMaxWidth(AV::ParseInt(value));
    } else if (name == u"maxheight") {
        SetMaxHeight(AV::ParseInt(value));
    } else if (name == u"name") {
        SetName(value);
    } else if (name == u"text") {
        SetText(value);
    } else if (name == u"tooltip") {
        SetToolTip(AV::ParseTooltip(value));
    } else if (name == u"userdata") {
        SetUserData(value);
    } else if (name == u"enabled") {
        SetEnabled(AV::ParseBool(value));
    } else if (name == u"mouse") {
        SetMouseEnabled(AV::ParseBool(value));
    } else if (name == u"keyboard") {
        SetKeyboardEnabled(AV::ParseBool(value));
    } else if (name == u"visible") {
        SetVisible(AV::ParseBool(value));
    } else if (name == u"float") {
        SetFloat(AV::ParseBool(value));
    } else if (name == u"menu") {
        SetContextMenuUsed(AV::ParseBool(value));
    } else if (name == u"shortcut") {
        SetShortcut(value.isEmpty() ? char16_t(0) : value.at(0).unicode());
    } else if (name == u"virtualwnd") {
        SetVirtualWnd(value);
    }
}

void CControlUI::ApplyAttributeList(const QString& list)
{
    const qsizetype length = list.size();
    qsizetype i = 0;
    while (i < length) {
        const qsizetype equals = list.indexOf(u'=', i);
        if (equals < 0) {
            return;
        }
        const QString name = list.mid(i, equals - i);
        i = equals + 1;
        if (i >= length || list.at(i) != u'"') {
            return;
        }
        ++i;
        const qsizetype closing = list.indexOf(u'"', i);
        if (closing < 0) {
            return;
        }
        const QString value = list.mid(i, closing - i);
        i = closing + 1;
        SetAttribute(name, value);
        if (i >= length) {
            return;
        }
        if (list.at(i) != u' ') {
            return;
        }
        ++i;
    }
}

void CControlUI::SetBkColor(uint32_t color)
{
    if (Store(m_bkColor, color)) {
        Invalidate();
    }
}

void CControlUI::SetBkColor2(uint32_t color)
{
    if (Store(m_bkColor2, color)) {
        Invalidate();
    }
}

void CControlUI::SetBkColor3(uint32_t color)
{
    if (Store(m_bkColor3, color)) {
        Invalidate();
    }
}

void CControlUI::SetBorderColor(uint32_t color)
{
    if (Store(m_borderColor, color)) {
        Invalidate();
    }
}

void CControlUI::SetFocusBorderColor(uint32_t color)
{
    if (Store(m_focusBorderColor, color)) {
        Invalidate();
    }
}

void CControlUI::SetColorHSL(bool hsl)
{
    if (Store(m_colorHSL, hsl)) {
        Invalidate();
    }
}

void CControlUI::SetBorderSize(int32_t size)
{
    if (Store(m_borderSize, size)) {
        Invalidate();
    }
}

void CControlUI::SetBorderSize(const Rect& sides)
{
    if (Store(m_sideBorderSizes, sides)) {
        Invalidate();
    }
}

void CControlUI::SetLeftBorderSize(int32_t size)
{
    if (Store(m_sideBorderSizes.left, size)) {
        Invalidate();
    }
}

void CControlUI::SetTopBorderSize(int32_t size)
{
    if (Store(m_sideBorderSizes.top, size)) {
        Invalidate();
    }
}

void CControlUI::SetRightBorderSize(int32_t size)
{
    if (Store(m_sideBorderSizes.right, size)) {
        Invalidate();
    }
}

void CControlUI::SetBottomBorderSize(int32_t size)
{
    if (Store(m_sideBorderSizes.bottom, size)) {
        Invalidate();
    }
}

void CControlUI::SetBorderStyle(int32_t style)
{
    if (Store(m_borderStyle, style)) {
        Invalidate();
    }
}

void CControlUI::SetBorderRound(Size round)
{
    if (Store(m_borderRound, round)) {
        Invalidate();
    }
}

void CControlUI::SetBkImage(const QString& image)
{
    if (Store(m_bkImage, image)) {
        Invalidate();
    }
}

void CControlUI::SetVirtualWnd(const QString& name)
{
    m_virtualWnd = name;
    if (m_manager != nullptr) {
        m_manager->UsedVirtualWnd(true);
    }
}

} // namespace MarkupUI
