#include "panes/PropertyEditAction.h"

#include "controls/PaintManagerUI.h"
#include "editor/DesignSurface.h"
#include "elements/DesignLabelUI.h"
#include "elements/FormUI.h"
#include "elements/NumberElements.h"
#include "elements/TimeFormatList.h"
#include "elements/TimeUI.h"
#include "panes/PropertiesWnd.h"
#include "panes/PropertyRow.h"
#include "panes/PropertyTexts.h"
#include "panes/UIProperties.h"

#include <utility>

namespace panes {

using MarkupUI::CControlUI;
using MarkupUI::CFormUI;
using platform::Rect;

namespace {

template <typename T> T* As(CControlUI* element, const char16_t* name)
{
    return element != nullptr ? static_cast<T*>(element->GetInterface(QString::fromUtf16(name))) : nullptr;
}

int32_t Int(const PropertyChange& value)
{
    const int32_t* number = std::get_if<int32_t>(&value);
    return number != nullptr ? *number : 0;
}

QString Text(const PropertyChange& value)
{
    const QString* text = std::get_if<QString>(&value);
    return text != nullptr ? *text : QString();
}

// The form's size set again recomputes its margins and printable area.
void ResizeForm(CFormUI& form)
{
    const MarkupUI::CPaintManagerUI* manager = form.GetManager();
    const platform::Size size =
        manager != nullptr ? manager->GetInitSize() : platform::Size{form.GetWidth(), form.GetHeight()};
    form.SetSize(size.cx, size.cy);
}

} // namespace

void PlaceElement(CControlUI& element, const Rect& rect)
{
    const Rect r = platform::Normalized(rect);
    const CControlUI* parent = element.GetParent();
    const Rect origin = parent != nullptr ? parent->GetPos() : Rect{};
    element.SetFixedXY(platform::Size{r.left, r.top});
    element.SetFixedHeight(static_cast<int32_t>(r.Height()));
    element.SetFixedWidth(static_cast<int32_t>(r.Width()));
    element.SetPos(
        Rect{platform::SaturatingAdd(origin.left, r.left), platform::SaturatingAdd(origin.top, r.top),
             platform::SaturatingAdd(origin.left, r.right), platform::SaturatingAdd(origin.top, r.bottom)});
}

Rect ElementRect(const CControlUI& element)
{
    const platform::Size at = element.GetFixedXY();
    return Rect{at.cx, at.cy, platform::SaturatingAdd(at.cx, element.GetFixedWidth()),
                platform::SaturatingAdd(at.cy, element.GetFixedHeight())};
}

PropertyEditAction::PropertyEditAction(PropertyRowId id, MarkupUI::ControlPtr element, CFormUI* form,
                                       PropertyChange before, PropertyChange after,
                                       QPointer<CPropertiesWnd> pane, editor::DesignSurface* surface)
    : m_id(id), m_element(std::move(element)), m_form(form), m_before(std::move(before)),
      m_after(std::move(after)), m_pane(std::move(pane)), m_surface(surface)
{
}

void PropertyEditAction::operator()(bool undo) const
{
    const PropertyChange& value = undo ? m_before : m_after;
    if (WriteElement(value)) {
        WriteRows(value);
        Cascade();
        // A text, number, size or format written fits the font again.
        if (!m_pane.isNull()) {
            m_pane->Sheet()->RefreshFontRow(Target());
        }
    }
    if (m_surface != nullptr) {
        m_surface->InvalidateView();
    }
}

CFormUI* PropertyEditAction::LiveForm() const
{
    // The page settings belong to the form shown; a form that has gone
    // since is never written.
    if (m_form == nullptr || m_surface == nullptr || m_surface->Form() != m_form) {
        return nullptr;
    }
    return m_form;
}

CControlUI* PropertyEditAction::Target() const
{
    return m_element ? m_element.get() : LiveForm();
}

bool PropertyEditAction::WriteElement(const PropertyChange& value) const
{
    CControlUI* element = m_element.get();
    CFormUI* form = LiveForm();
    auto* label = As<MarkupUI::CDesignLabelUI>(element, u"DesignLabel");
    switch (m_id) {
    case PropertyRowId::Pos:
        if (element == nullptr || !std::holds_alternative<Rect>(value)) {
            return false;
        }
        PlaceElement(*element, std::get<Rect>(value));
        return true;
    case PropertyRowId::Font:
        if (label == nullptr || !std::holds_alternative<platform::FontDescription>(value)) {
            return false;
        }
        label->SetFontDescription(std::get<platform::FontDescription>(value));
        label->Invalidate();
        return true;
    case PropertyRowId::DigitLength:
        if (label == nullptr) {
            return false;
        }
        label->SetNumLength(Int(value));
        return true;
    case PropertyRowId::Image:
    case PropertyRowId::Text:
    case PropertyRowId::TimeText:
        if (element == nullptr) {
            return false;
        }
        if (m_id == PropertyRowId::Image) {
            element->SetBkImage(Text(value));
        } else {
            element->SetText(Text(value));
        }
        return true;
    case PropertyRowId::QueuingSample:
        if (auto* number = As<MarkupUI::CQueuingNumUI>(element, u"QueuingNum")) {
            number->SetSample(Int(value));
            return true;
        }
        return false;
    case PropertyRowId::WaitingSample:
        if (auto* number = As<MarkupUI::CWaitingCountUI>(element, u"WaitingCount")) {
            number->SetSample(Int(value));
            return true;
        }
        return false;
    case PropertyRowId::CurrentSample:
        if (auto* number = As<MarkupUI::CCurrentNumUI>(element, u"CurrentNum")) {
            number->SetSample(Int(value));
            return true;
        }
        return false;
    case PropertyRowId::TimeFormat:
        if (auto* time = As<MarkupUI::CTimeUI>(element, u"Time");
            time != nullptr && std::holds_alternative<TimeFormatValue>(value)) {
            const TimeFormatValue& format = std::get<TimeFormatValue>(value);
            time->SetFormatIndex(format.index);
            if (format.text) {
                time->SetText(*format.text);
            }
            return true;
        }
        return false;
    case PropertyRowId::BorderSize:
        if (element == nullptr) {
            return false;
        }
        element->SetBorderSize(Int(value));
        return true;
    default:
        break;
    }

    if (form == nullptr) {
        return false;
    }
    switch (m_id) {
    case PropertyRowId::Margin:
        if (!std::holds_alternative<Rect>(value)) {
            return false;
        }
        form->SetPrintPadding(std::get<Rect>(value));
        ResizeForm(*form);
        return true;
    case PropertyRowId::PaperWidth:
        form->SetModel(Text(value));
        return true;
    case PropertyRowId::EndingNumber:
        form->SetMaxNum(Int(value));
        return true;
    case PropertyRowId::StartingNumber:
        form->SetCutoffNum(Int(value));
        return true;
    case PropertyRowId::NumberReset:
        form->SetZeroing(Int(value));
        return true;
    case PropertyRowId::PrintTimes:
        form->SetPrintCount(Int(value));
        return true;
    case PropertyRowId::Department:
        form->SetDepartment(Int(value));
        return true;
    default:
        return false;
    }
}

void PropertyEditAction::WriteRows(const PropertyChange& value) const
{
    CControlUI* target = Target();
    if (m_pane.isNull() || target == nullptr || m_pane->Sheet()->CurrentElement() != target) {
        return;
    }
    CUIProperties* sheet = m_pane->Sheet();
    PropertyRow* row = sheet->Row(m_id);
    switch (m_id) {
    case PropertyRowId::Pos:
        sheet->UpdatePosRows(target);
        return;
    case PropertyRowId::Margin:
        m_pane->NotifyElementChanged(target, 4);
        return;
    case PropertyRowId::NumberReset:
        row->SetValueAndBaseline(Int(value) == 0 ? QStringLiteral("00:00") : PropertyString(kTextBoot));
        return;
    case PropertyRowId::TimeFormat:
        if (const auto* time = As<MarkupUI::CTimeUI>(target, u"Time")) {
            row->SetValueAndBaseline(MarkupUI::TimeFormatList::At(time->GetFormatIndex()));
            sheet->Row(PropertyRowId::TimeText)->SetValueAndBaseline(time->GetText());
        }
        return;
    default:
        break;
    }
    if (row == nullptr) {
        return;
    }
    if (const auto* number = std::get_if<int32_t>(&value)) {
        row->SetValueAndBaseline(*number);
    } else if (const auto* text = std::get_if<QString>(&value)) {
        row->SetValueAndBaseline(*text);
    } else if (const auto* font = std::get_if<platform::FontDescription>(&value)) {
        row->SetValueAndBaseline(*font);
    }
}

void PropertyEditAction::Cascade() const
{
    CFormUI* form = LiveForm();
    if (m_id != PropertyRowId::PaperWidth || form == nullptr) {
        return;
    }
    // The view draws 80 mm paper for model "80" and 58 mm for the rest.
    if (m_surface->PaperWidthMm() != form->GetPaperWidthMm()) {
        if (!m_pane.isNull()) {
            m_pane->NotifyElementChanged(form, 4);
        }
        m_surface->PaperWidthChanged();
    }
}

} // namespace panes
