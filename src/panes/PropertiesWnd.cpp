#include "panes/PropertiesWnd.h"

#include "controls/PaintManagerUI.h"
#include "editor/DesignSurface.h"
#include "editor/EditHistory.h"
#include "elements/DesignLabelUI.h"
#include "elements/FormUI.h"
#include "elements/SampleNumbers.h"
#include "elements/TimeFormatList.h"
#include "elements/TimeUI.h"
#include "panes/PropertyRow.h"
#include "panes/UIProperties.h"
#include "platform/MulDiv.h"


#include <limits>

namespace panes {

using MarkupUI::CControlUI;
using MarkupUI::CFormUI;
using platform::Rect;
namespace Limits = PropertyLimits;

namespace {

// How a message names a row: its caption, or for a margin the first line of
// its description ("Top margin").
QString RowName(const PropertyRow& row)
{
    if (row.Parent() != nullptr && !row.Description().isEmpty()) {
        return row.Description().section(u'\n', 0, 0);
    }
    return row.Caption().trimmed();
}

// Millimetres of margin in view units, as the form computes them.
int64_t VerticalMarginView(const CFormUI& form, int32_t width, int32_t mm)
{
    const int64_t across = int64_t(form.GetScreenDpiX()) * form.GetPaperWidthMm();
    return platform::MulDiv(width, mm * form.GetScreenDpiY(), static_cast<int32_t>(across));
}

} // namespace

CPropertiesWnd::CPropertiesWnd(QWidget* parent) : QDockWidget(parent), m_sheet(new CUIProperties(this))
{
    setWindowTitle(tr("Properties"));
    setObjectName(QStringLiteral("propertiesPane"));
    setAllowedAreas(Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setWidget(m_sheet);
    connect(m_sheet, &CUIProperties::PropertyChanged, this,
            [this](PropertyRow* row) { ApplyPropertyChange(*row, row->Id()); });
}

CPropertiesWnd::~CPropertiesWnd() = default;

void CPropertiesWnd::ShowProperty(CControlUI* element)
{
    m_sheet->ShowProperty(element);
}

CControlUI* CPropertiesWnd::ShownElement() const
{
    return m_sheet->CurrentElement();
}

void CPropertiesWnd::HideAllRows(bool redraw)
{
    m_sheet->HideAllRows(redraw);
}

void CPropertiesWnd::UpdatePosRows(CControlUI* element)
{
    m_sheet->UpdatePosRows(element);
}

void CPropertiesWnd::NotifyElementChanged(CControlUI* element, int what)
{
    if (element == nullptr || element != m_sheet->CurrentElement()) {
        return;
    }
    if (what == 1) {
        m_sheet->UpdatePosRows(element);
    } else if (what == 4) {
        if (const auto* form = static_cast<CFormUI*>(element->GetInterface(QStringLiteral("Form")))) {
            m_sheet->UpdateMarginRows(form->GetPrintPadding());
        }
    }
}

void CPropertiesWnd::ApplyPropertyChange(PropertyRow& row, PropertyRowId id)
{
    // The note is about the last edit only.
    m_sheet->ShowNote(QString());
    CControlUI* element = m_sheet->CurrentElement();
    if (element == nullptr || m_surface == nullptr) {
        row.RevertToBaseline();
        return;
    }
    // Only what the shown template holds is ever written: an element that
    // has left the form is no longer shown.
    CFormUI* form = m_surface->Form();
    if (form == nullptr || (element != form && form->GetItemIndex(element) < 0)) {
        row.RevertToBaseline();
        m_sheet->ShowProperty(nullptr);
        m_surface->InvalidateView();
        return;
    }
    if (element == form) {
        ApplyPageSetting(row, id, *form);
    } else {
        ApplyElementSetting(row, id, *element);
    }
    m_surface->InvalidateView();
}

void CPropertiesWnd::ApplyPageSetting(PropertyRow& row, PropertyRowId id, CFormUI& form)
{
    const int32_t value = row.IntValue();
    switch (id) {
    case PropertyRowId::EndingNumber:
    case PropertyRowId::StartingNumber: {
        // Compared as the printer compares them, unsigned: a negative number
        // is above 9999 as well.
        if (uint32_t(value) > uint32_t(Limits::kMaxNumber)) {
            Refuse(row, tr("%1 must be from %2 to %3; the previous value is kept.")
                            .arg(RowName(row))
                            .arg(0)
                            .arg(Limits::kMaxNumber));
            return;
        }
        const bool ending = id == PropertyRowId::EndingNumber;
        const int32_t other = ending ? form.GetCutoffNum() : form.GetMaxNum();
        int32_t stored = value;
        if (ending ? uint32_t(value) < uint32_t(other) : uint32_t(value) > uint32_t(other)) {
            stored = other;
            row.SetValueAndBaseline(stored);
            Note(ending ? tr("The ending number cannot be below the starting number; it was raised to %1.")
                              .arg(stored)
                        : tr("The starting number cannot be above the ending number; it was lowered to %1.")
                              .arg(stored));
        }
        Record(id, &form, ending ? form.GetMaxNum() : form.GetCutoffNum(), stored);
        return;
    }
    case PropertyRowId::Department:
        // 0 is taken although the spin buttons start at 1.
        if (CheckRange(row, row, 0, Limits::kMaxDepartment)) {
            Record(id, &form, form.GetDepartment(), value);
        }
        return;
    case PropertyRowId::PrintTimes:
        if (CheckRange(row, row, 1, Limits::kMaxPrintTimes)) {
            Record(id, &form, form.GetPrintCount(), value);
        }
        return;
    case PropertyRowId::NumberReset:
        Record(id, &form, form.GetZeroing(), row.TextValue() == u"00:00" ? 0 : 1);
        return;
    case PropertyRowId::PaperWidth: {
        // The page is drawn 80 mm wide only for "80": any other width would
        // draw a 58 mm page and cut what lies past it without a word.
        const QString typed = row.TextValue().trimmed();
        if (typed != u"58" && typed != u"80") {
            Refuse(row, tr("Paper width must be 58 or 80 mm; the previous width is kept."));
            return;
        }
        Record(id, &form, form.GetModel(), typed);
        return;
    }
    case PropertyRowId::Margin: {
        const Rect before = form.GetPrintPadding();
        PropertyRow* top = row.SubRow(1);
        PropertyRow* bottom = row.SubRow(3);
        if (!CheckRange(row, *top, 0, Limits::kMaxMarginMm) ||
            !CheckRange(row, *bottom, 0, Limits::kMaxMarginMm)) {
            return;
        }
        // The margins must leave some of the page to print on.
        const MarkupUI::CPaintManagerUI* manager = form.GetManager();
        const platform::Size size =
            manager != nullptr ? manager->GetInitSize() : platform::Size{form.GetWidth(), form.GetHeight()};
        const int64_t printable = int64_t(size.cy) - VerticalMarginView(form, size.cx, top->IntValue()) -
                                  VerticalMarginView(form, size.cx, bottom->IntValue());
        if (printable < 1) {
            Refuse(row,
                   tr("The top and bottom margins leave no room to print; the previous margins are kept."));
            return;
        }
        Record(id, &form, before, Rect{before.left, top->IntValue(), before.right, bottom->IntValue()});
        return;
    }
    default:
        // Rows of the other kinds are not shown for the form.
        row.RevertToBaseline();
        return;
    }
}

void CPropertiesWnd::ApplyElementSetting(PropertyRow& row, PropertyRowId id, CControlUI& element)
{
    auto* label = static_cast<MarkupUI::CDesignLabelUI*>(element.GetInterface(QStringLiteral("DesignLabel")));
    const int32_t value = row.IntValue();
    switch (id) {
    case PropertyRowId::Pos: {
        const Rect typed{row.SubRow(0)->IntValue(), row.SubRow(1)->IntValue(), row.SubRow(2)->IntValue(),
                         row.SubRow(3)->IntValue()};
        const Rect rect = platform::Normalized(typed);
        constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
        if (rect.Width() > kMax || rect.Height() > kMax) {
            Refuse(row, tr("The position is too large; the previous position is kept."));
            return;
        }
        Record(id, &element, ElementRect(element), rect);
        return;
    }
    case PropertyRowId::Font:
        if (label != nullptr) {
            Record(id, &element, label->GetFontDescription(), row.FontValue());
            return;
        }
        break;
    case PropertyRowId::DigitLength:
        if (label != nullptr) {
            if (CheckRange(row, row, 1, Limits::kMaxDigitLength)) {
                Record(id, &element, label->GetNumLength(), value);
            }
            return;
        }
        break;
    case PropertyRowId::Image:
        Record(id, &element, element.GetBkImage(), row.TextValue());
        return;
    case PropertyRowId::Text:
    case PropertyRowId::TimeText:
        Record(id, &element, element.GetText(), row.TextValue());
        return;
    case PropertyRowId::QueuingSample:
        Record(id, &element, MarkupUI::SampleNumbers::Queuing(), value);
        return;
    case PropertyRowId::WaitingSample:
        Record(id, &element, MarkupUI::SampleNumbers::Waiting(), value);
        return;
    case PropertyRowId::CurrentSample:
        Record(id, &element, MarkupUI::SampleNumbers::Current(), value);
        return;
    case PropertyRowId::TimeFormat:
        if (const auto* time =
                static_cast<MarkupUI::CTimeUI*>(element.GetInterface(QStringLiteral("Time")))) {
            const int index = MarkupUI::TimeFormatList::IndexOf(row.TextValue());
            if (index >= 0) {
                Record(id, &element, TimeFormatValue{time->GetFormatIndex(), time->GetText()},
                       TimeFormatValue{index, std::nullopt});
                return;
            }
        }
        break;
    case PropertyRowId::BorderSize:
        if (CheckRange(row, row, 1, Limits::kMaxBorderSize)) {
            Record(id, &element, element.GetBorderSize(), value);
        }
        return;
    default:
        break;
    }
    row.RevertToBaseline();
}

bool CPropertiesWnd::CheckRange(PropertyRow& row, PropertyRow& valueRow, int32_t lower, int32_t upper)
{
    const int32_t value = valueRow.IntValue();
    if (value >= lower && value <= upper) {
        return true;
    }
    Refuse(row, tr("%1 must be from %2 to %3; the previous value is kept.")
                    .arg(RowName(valueRow))
                    .arg(lower)
                    .arg(upper));
    return false;
}

void CPropertiesWnd::Refuse(PropertyRow& row, const QString& why)
{
    row.RevertToBaseline();
    Note(why);
}

void CPropertiesWnd::Note(const QString& text)
{
    m_sheet->ShowNote(text);
    if (m_surface != nullptr) {
        m_surface->ShowStatusMessage(text);
    }
}

void CPropertiesWnd::Record(PropertyRowId id, CControlUI* element, PropertyChange before,
                            PropertyChange after)
{
    auto* form = static_cast<CFormUI*>(element->GetInterface(QStringLiteral("Form")));
    // The page settings follow the surface's form; elements are held.
    PropertyEditAction action(id, form != nullptr ? MarkupUI::ControlPtr() : MarkupUI::ControlPtr(element),
                              form, std::move(before), std::move(after), QPointer<CPropertiesWnd>(this),
                              m_surface);
    action(false);
    // Nothing changed (a rectangle typed the other way round): the rows
    // show the element again and nothing is recorded.
    if (action.Before() != action.After()) {
        m_surface->History().Push(action);
    }
}

} // namespace panes
