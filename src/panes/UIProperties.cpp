#include "panes/UIProperties.h"

#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "elements/SampleNumbers.h"
#include "elements/TimeFormatList.h"
#include "elements/TimeUI.h"
#include "panes/PropertiesToolBar.h"
#include "panes/PropertyGrid.h"
#include "panes/PropertyTexts.h"
#include "platform/Logger.h"

#include <QLabel>
#include <QVBoxLayout>

namespace panes {

using MarkupUI::CControlUI;
using MarkupUI::CDesignLabelUI;
using MarkupUI::CFormUI;
using Kind = PropertyRowKind;
namespace Limits = PropertyLimits;

namespace {

const QString kMidnight = QStringLiteral("00:00");

std::unique_ptr<PropertyRow> MakeRow(Kind kind, PropertyTextId caption,
                                     std::optional<PropertyTextId> description, PropertyValue value,
                                     PropertyRowId id = PropertyRowId::None)
{
    return std::make_unique<PropertyRow>(kind, PropertyString(caption),
                                         description ? PropertyString(*description) : QString(),
                                         std::move(value), id);
}

// A row whose description repeats its caption.
std::unique_ptr<PropertyRow> MakeNamedRow(Kind kind, PropertyTextId caption, PropertyValue value,
                                          PropertyRowId id)
{
    return MakeRow(kind, caption, caption, std::move(value), id);
}

std::unique_ptr<PropertyRow> MakeSpinRow(PropertyTextId caption, int32_t value, PropertyRowId id,
                                         int32_t lower, int32_t upper)
{
    auto row = MakeNamedRow(Kind::Integer, caption, value, id);
    row->SetSpin(lower, upper);
    return row;
}

template <typename T> T* As(CControlUI& element, const char16_t* name)
{
    return static_cast<T*>(element.GetInterface(QString::fromUtf16(name)));
}

} // namespace

CUIProperties::CUIProperties(QWidget* parent)
    : QWidget(parent), m_toolBar(new CPropertiesToolBar(this)), m_grid(new PropertyGrid(this)),
      m_note(new QLabel(this))
{
    setObjectName(QStringLiteral("propertySheet"));
    m_grid->setObjectName(QStringLiteral("propertyGrid"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_grid, 1);
    m_note->setObjectName(QStringLiteral("propertyNote"));
    m_note->setWordWrap(true);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_note->setContentsMargins(4, 3, 4, 3);
    m_note->setForegroundRole(QPalette::ToolTipText);
    m_note->setBackgroundRole(QPalette::ToolTipBase);
    m_note->setAutoFillBackground(true);
    m_note->hide();
    layout->addWidget(m_note);

    BuildRows();
    HideAllRows(false);

    connect(m_toolBar, &CPropertiesToolBar::OrderChosen, this, &CUIProperties::SetAlphabetical);
    connect(m_grid, &PropertyGrid::RowCommitted, this, &CUIProperties::ForwardEdit);
}

CUIProperties::~CUIProperties() = default;

void CUIProperties::ShowNote(const QString& text)
{
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

QString CUIProperties::Note() const
{
    return m_note->text();
}

PropertyRow* CUIProperties::AddRow(std::unique_ptr<PropertyRow> row)
{
    const auto index = static_cast<std::size_t>(row->Id());
    PropertyRow* added = m_grid->AddRow(std::move(row));
    if (index < m_rows.size()) {
        m_rows[index] = added;
    }
    return added;
}

void CUIProperties::BuildRows()
{
    AddRow(MakeSpinRow(kTextDepartment, 0, PropertyRowId::Department, 1, Limits::kMaxDepartment));

    auto paper = MakeRow(Kind::Text, kTextPaperWidth, kTextPaperWidthDescription, QStringLiteral("58"),
                         PropertyRowId::PaperWidth);
    paper->SetOptions({QStringLiteral("58"), QStringLiteral("80")});
    AddRow(std::move(paper));

    AddRow(MakeSpinRow(kTextDigitLength, 4, PropertyRowId::DigitLength, 1, Limits::kMaxDigitLength));
    AddRow(MakeSpinRow(kTextStartingNumber, 1, PropertyRowId::StartingNumber, 1, Limits::kMaxNumber));
    AddRow(MakeSpinRow(kTextEndingNumber, Limits::kMaxNumber, PropertyRowId::EndingNumber, 1,
                       Limits::kMaxNumber));

    auto reset = MakeRow(Kind::Text, kTextNumberReset, kTextNumberResetDescription, QString(),
                         PropertyRowId::NumberReset);
    reset->SetOptions({kMidnight, PropertyString(kTextBoot)});
    reset->SetEditable(false);
    AddRow(std::move(reset));

    AddRow(MakeSpinRow(kTextPrintTimes, 1, PropertyRowId::PrintTimes, 1, Limits::kMaxPrintTimes));

    auto dpi = std::make_unique<PropertyRow>(Kind::Group, QStringLiteral("DPI"), QString(), int32_t{0},
                                             PropertyRowId::Dpi);
    dpi->SetEditable(false);
    for (const auto& [caption, description] : {std::pair{kTextHorizontalDpi, kTextHorizontalDpiDescription},
                                               std::pair{kTextVerticalDpi, kTextVerticalDpiDescription}}) {
        auto sub = MakeRow(Kind::Text, caption, description, QStringLiteral("203.2"));
        sub->SetEditable(false);
        dpi->AddSubRow(std::move(sub));
    }
    AddRow(std::move(dpi));

    auto margin = MakeRow(Kind::Group, kTextMargin, std::nullopt, int32_t{0}, PropertyRowId::Margin);
    margin->SetEditable(false);
    for (const auto& [caption, description, editable] :
         {std::tuple{kTextLeft, kTextMarginLeftDescription, false},
          std::tuple{kTextTop, kTextMarginTopDescription, true},
          std::tuple{kTextRight, kTextMarginRightDescription, false},
          std::tuple{kTextBottom, kTextMarginBottomDescription, true}}) {
        auto sub = MakeRow(Kind::Integer, caption, description, int32_t{0});
        sub->SetEditable(editable);
        if (editable) {
            sub->SetSpin(0, Limits::kMaxMarginMm);
        }
        margin->AddSubRow(std::move(sub));
    }
    AddRow(std::move(margin));

    AddRow(MakeRow(Kind::Font, kTextFont, kTextFontDescription, platform::FontDescription{}, PropertyRowId::Font));
    AddRow(MakeRow(Kind::Image, kTextImage, kTextImageDescription, QString(), PropertyRowId::Image));
    AddRow(MakeRow(Kind::Text, kTextText, kTextDisplayString, QString(), PropertyRowId::Text));

    auto pos = MakeRow(Kind::Group, kTextPos, std::nullopt, int32_t{0}, PropertyRowId::Pos);
    for (const auto& [caption, description] :
         {std::pair{kTextLeft, kTextPosLeftDescription}, std::pair{kTextTop, kTextPosTopDescription},
          std::pair{kTextRight, kTextPosRightDescription},
          std::pair{kTextBottom, kTextPosBottomDescription}}) {
        pos->AddSubRow(MakeRow(Kind::Integer, caption, description, int32_t{0}));
    }
    AddRow(std::move(pos));

    AddRow(MakeNamedRow(Kind::Integer, kTextQueuing, int32_t{0}, PropertyRowId::QueuingSample));
    AddRow(MakeNamedRow(Kind::Integer, kTextWaiting, int32_t{0}, PropertyRowId::WaitingSample));
    AddRow(MakeNamedRow(Kind::Integer, kTextCurrent, int32_t{0}, PropertyRowId::CurrentSample));
    AddRow(MakeRow(Kind::Text, kTextTime, kTextTimeWhenPrinting, QString(), PropertyRowId::TimeText));

    auto format =
        MakeNamedRow(Kind::Text, kTextTimeFormat, MarkupUI::TimeFormatList::At(0), PropertyRowId::TimeFormat);
    format->SetOptions(MarkupUI::TimeFormatList::Entries());
    format->SetEditable(false);
    AddRow(std::move(format));

    AddRow(MakeRow(Kind::Integer, kTextBorderSize, std::nullopt, int32_t{1}, PropertyRowId::BorderSize));
    m_rows[static_cast<std::size_t>(PropertyRowId::BorderSize)]->SetSpin(1, Limits::kMaxBorderSize);
}

PropertyRow* CUIProperties::Row(PropertyRowId id) const
{
    const auto index = static_cast<std::size_t>(id);
    return index < m_rows.size() ? m_rows[index] : nullptr;
}

void CUIProperties::SetAlphabetical(bool alphabetical)
{
    m_grid->SetAlphabetical(alphabetical);
    m_toolBar->SetAlphabetical(alphabetical);
}

void CUIProperties::HideAllRows(bool redraw)
{
    m_grid->HideAllRows();
    m_current = nullptr;
    if (redraw) {
        m_grid->update();
    }
}

void CUIProperties::ShowProperty(CControlUI* element)
{
    if (element == m_current) {
        return;
    }
    if (element == nullptr) {
        HideAllRows(true);
        return;
    }
    m_grid->setUpdatesEnabled(false);
    HideAllRows(false);

    bool known = true;
    const int kind = element->GetElementKind();
    auto* form = As<CFormUI>(*element, u"Form");
    auto* label = As<CDesignLabelUI>(*element, u"DesignLabel");
    auto* time = As<MarkupUI::CTimeUI>(*element, u"Time");
    switch (kind) {
    case MarkupUI::kElementForm:
        known = form != nullptr;
        if (known) {
            ShowFormSheet(*form);
        }
        break;
    case MarkupUI::kElementPicture:
        ShowRow(PropertyRowId::Image, element->GetBkImage());
        FillPosRows(*element);
        break;
    case MarkupUI::kElementText:
        known = label != nullptr;
        if (known) {
            ShowTextSheet(*label, PropertyRowId::Text);
        }
        break;
    case MarkupUI::kElementQueuingNum:
    case MarkupUI::kElementWaitingCount:
    case MarkupUI::kElementCurrentNum:
        known = label != nullptr;
        if (known && kind == MarkupUI::kElementQueuingNum) {
            ShowNumberSheet(*label, PropertyRowId::QueuingSample, MarkupUI::SampleNumbers::Queuing());
        } else if (known && kind == MarkupUI::kElementWaitingCount) {
            ShowNumberSheet(*label, PropertyRowId::WaitingSample, MarkupUI::SampleNumbers::Waiting());
        } else if (known) {
            ShowNumberSheet(*label, PropertyRowId::CurrentSample, MarkupUI::SampleNumbers::Current());
        }
        break;
    case MarkupUI::kElementTime:
        known = time != nullptr;
        if (known) {
            Row(PropertyRowId::TimeFormat)->SetOptions(MarkupUI::TimeFormatList::Entries());
            ShowRow(PropertyRowId::TimeFormat, MarkupUI::TimeFormatList::At(time->GetFormatIndex()));
            ShowTextSheet(*time, PropertyRowId::TimeText);
        }
        break;
    case MarkupUI::kElementHorizontalLine:
    case MarkupUI::kElementVerticalLine:
    case MarkupUI::kElementRectangle:
    case MarkupUI::kElementCircle:
        FillPosRows(*element);
        ShowRow(PropertyRowId::BorderSize, element->GetBorderSize());
        break;
    default:
        known = false;
        break;
    }

    if (known) {
        m_current = element;
    } else {
        // Nothing of a form is read from what is not one: the sheet stays empty.
        TICKET_LOG(platform::Debug) << "ShowProperty(" << platform::Utf8(element->GetClass()) << ") error";
        HideAllRows(false);
    }
    m_grid->setUpdatesEnabled(true);
}

void CUIProperties::ShowRow(PropertyRowId id, const PropertyValue& value)
{
    PropertyRow* row = Row(id);
    row->SetValueAndBaseline(value);
    m_grid->SetRowShown(row, true);
}

void CUIProperties::ShowFormSheet(CFormUI& form)
{
    ShowRow(PropertyRowId::Department, form.GetDepartment());
    ShowRow(PropertyRowId::PaperWidth, form.GetModel());
    ShowRow(PropertyRowId::EndingNumber, form.GetMaxNum());
    ShowRow(PropertyRowId::StartingNumber, form.GetCutoffNum());
    ShowRow(PropertyRowId::NumberReset, form.GetZeroing() == 0 ? kMidnight : PropertyString(kTextBoot));
    ShowRow(PropertyRowId::PrintTimes, form.GetPrintCount());
    PropertyRow* dpi = Row(PropertyRowId::Dpi);
    dpi->SubRow(0)->SetValueAndBaseline(QString::number(double(form.GetDpiX()), 'f', 1));
    dpi->SubRow(1)->SetValueAndBaseline(QString::number(double(form.GetDpiY()), 'f', 1));
    m_grid->SetRowShown(dpi, true);
    UpdateMarginRows(form.GetPrintPadding());
    m_grid->SetRowShown(Row(PropertyRowId::Margin), true);
}

void CUIProperties::ShowNumberSheet(CDesignLabelUI& label, PropertyRowId sampleRow, int32_t sample)
{
    ShowRow(sampleRow, sample);
    ShowRow(PropertyRowId::DigitLength, label.GetNumLength());
    FillPosRows(label);
    ShowRow(PropertyRowId::Font, label.GetFontDescription());
}

void CUIProperties::ShowTextSheet(CDesignLabelUI& label, PropertyRowId textRow)
{
    ShowRow(textRow, label.GetText());
    FillPosRows(label);
    ShowRow(PropertyRowId::Font, label.GetFontDescription());
}

void CUIProperties::UpdatePosRows(CControlUI* element)
{
    if (element != nullptr && element == m_current) {
        FillPosRows(*element);
        RefreshFontRow(element);
    }
}

void CUIProperties::RefreshFontRow(CControlUI* element)
{
    // A new box or text fits the font again: the row, and the font chooser
    // it opens, always start from the element's own description.
    if (element == nullptr || element != m_current) {
        return;
    }
    if (const auto* label = static_cast<const CDesignLabelUI*>(element->GetInterface(QStringLiteral("DesignLabel")))) {
        Row(PropertyRowId::Font)->SetValueAndBaseline(label->GetFontDescription());
    }
}

void CUIProperties::FillPosRows(CControlUI& element)
{
    const platform::Size at = element.GetFixedXY();
    const int32_t values[] = {at.cx, at.cy, platform::SaturatingAdd(at.cx, element.GetFixedWidth()),
                              platform::SaturatingAdd(at.cy, element.GetFixedHeight())};
    PropertyRow* pos = Row(PropertyRowId::Pos);
    for (int i = 0; i < 4; ++i) {
        pos->SubRow(i)->SetValueAndBaseline(values[i]);
    }
    m_grid->SetRowShown(pos, true);
}

void CUIProperties::UpdateMarginRows(const platform::Rect& margins)
{
    const int32_t values[] = {margins.left, margins.top, margins.right, margins.bottom};
    PropertyRow* margin = Row(PropertyRowId::Margin);
    for (int i = 0; i < 4; ++i) {
        margin->SubRow(i)->SetValueAndBaseline(values[i]);
    }
}

void CUIProperties::ForwardEdit(PropertyRow* row)
{
    if (row == nullptr || !row->IsModified()) {
        return;
    }
    emit PropertyChanged(row->TopLevel());
}

} // namespace panes
