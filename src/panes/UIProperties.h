#pragma once

#include "panes/PropertyRow.h"
#include "panes/PropertyRowId.h"
#include "platform/Geometry.h"

#include <QWidget>

class QLabel;

#include <array>

namespace MarkupUI {
class CControlUI;
class CDesignLabelUI;
class CFormUI;
} // namespace MarkupUI

namespace panes {

class CPropertiesToolBar;
class PropertyGrid;

// The property sheet: every row any element kind needs, built once and
// hidden; showing an element fills and shows the rows of its kind. The sheet
// never changes an element itself: a committed edit that differs from the
// row's baseline is reported with PropertyChanged, for the pane to apply.
class CUIProperties : public QWidget
{
    Q_OBJECT
public:
    explicit CUIProperties(QWidget* parent = nullptr);
    ~CUIProperties() override;

    // Shows the rows of the element's kind, or empties the sheet (null).
    // Showing the element already shown reloads nothing.
    void ShowProperty(MarkupUI::CControlUI* element);
    // Hides every row; the sheet then shows no element.
    void HideAllRows(bool redraw);
    // Refreshes the position rows, when the element is the one shown.
    void UpdatePosRows(MarkupUI::CControlUI* element);
    // The Font row shows the element's description as it is now.
    void RefreshFontRow(MarkupUI::CControlUI* element);
    // Refreshes the margin rows: left, top, right, bottom millimetres.
    void UpdateMarginRows(const platform::Rect& margins);

    // The element whose rows are shown, or null. Compared, never owned:
    // whoever removes it from the template must show something else first.
    MarkupUI::CControlUI* CurrentElement() const { return m_current; }
    PropertyRow* Row(PropertyRowId id) const;
    PropertyGrid* Grid() const { return m_grid; }
    CPropertiesToolBar* ToolBar() const { return m_toolBar; }

    // The line under the grid that says, in full, why an edit was refused
    // or how it was corrected; empty and hidden until then.
    void ShowNote(const QString& text);
    QString Note() const;
    void SetAlphabetical(bool alphabetical);

signals:
    // A committed edit of the top-level row (or one of its sub-rows).
    void PropertyChanged(panes::PropertyRow* row);

private:
    void BuildRows();
    PropertyRow* AddRow(std::unique_ptr<PropertyRow> row);
    void ShowRow(PropertyRowId id, const PropertyValue& value);
    void ShowFormSheet(MarkupUI::CFormUI& form);
    void ShowNumberSheet(MarkupUI::CDesignLabelUI& label, PropertyRowId sampleRow, int32_t sample);
    void ShowTextSheet(MarkupUI::CDesignLabelUI& label, PropertyRowId textRow);
    void FillPosRows(MarkupUI::CControlUI& element);
    void ForwardEdit(PropertyRow* row);

    CPropertiesToolBar* m_toolBar;
    PropertyGrid* m_grid;
    QLabel* m_note;
    std::array<PropertyRow*, 20> m_rows{};
    MarkupUI::CControlUI* m_current = nullptr;
};

// Limits of the integer rows the printer holds. The department also takes
// 0, below its spin range.
namespace PropertyLimits {
constexpr int32_t kMaxNumber = 9999;
constexpr int32_t kMaxDepartment = 4;
constexpr int32_t kMaxDigitLength = 4;
// One byte of the page record.
constexpr int32_t kMaxPrintTimes = 255;
constexpr int32_t kMaxMarginMm = 99;
constexpr int32_t kMaxBorderSize = 100;
} // namespace PropertyLimits

} // namespace panes
