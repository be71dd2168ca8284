#pragma once

#include "panes/PropertyRowId.h"
#include "platform/FontDescription.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace panes {

// What a row holds: a number, a text, or a font description.
using PropertyValue = std::variant<int32_t, QString, platform::FontDescription>;

enum class PropertyRowKind
{
    Integer,
    Text,
    // A value list: its value is its sub-rows' values joined by commas.
    Group,
    Font,
    // A text changed only through the image picker's button.
    Image,
};

// The bounds of an integer row's spin buttons. Typed numbers are not held
// to them here; the pane checks what it applies.
struct SpinRange
{
    int32_t lower = 0;
    int32_t upper = 0;
};

// One row of the property grid: caption, description, the value and the
// baseline it was last loaded or applied with. The row counts as modified
// while the two differ.
class PropertyRow
{
public:
    PropertyRow(PropertyRowKind kind, QString caption, QString description, PropertyValue value = int32_t{0},
                PropertyRowId id = PropertyRowId::None);
    PropertyRow(const PropertyRow&) = delete;
    PropertyRow& operator=(const PropertyRow&) = delete;

    PropertyRowKind Kind() const { return m_kind; }
    PropertyRowId Id() const { return m_id; }
    const QString& Caption() const { return m_caption; }
    const QString& Description() const { return m_description; }

    const PropertyValue& Value() const { return m_value; }
    const PropertyValue& Baseline() const { return m_baseline; }
    void SetValue(const PropertyValue& value);
    void SetBaseline(const PropertyValue& value) { m_baseline = value; }
    // As the sheet loads a row: shown and counted as unmodified.
    void SetValueAndBaseline(const PropertyValue& value);
    // A group follows its sub-rows.
    void RevertToBaseline();
    void AcceptValue();
    bool IsModified() const;

    int32_t IntValue() const;
    QString TextValue() const;
    platform::FontDescription FontValue() const;
    int32_t IntBaseline() const;
    QString TextBaseline() const;
    platform::FontDescription FontBaseline() const;

    // The value as the grid shows it; a group joins its sub-rows.
    QString DisplayText() const;
    // Takes a typed text; false (nothing changed) when it does not read as
    // the row's kind: a 32-bit number, or one number per sub-row.
    bool SetFromText(const QString& text);

    // Drop-down choices; with an editable row they are suggestions.
    const QStringList& Options() const { return m_options; }
    void SetOptions(const QStringList& options) { m_options = options; }
    // Whether the value may be typed; a read-only row with options still
    // changes by picking one.
    bool IsEditable() const { return m_editable; }
    void SetEditable(bool editable) { m_editable = editable; }
    const std::optional<SpinRange>& Spin() const { return m_spin; }
    void SetSpin(int32_t lower, int32_t upper) { m_spin = SpinRange{lower, upper}; }

    PropertyRow* Parent() const { return m_parent; }
    PropertyRow* TopLevel();
    int Depth() const;
    const std::vector<std::unique_ptr<PropertyRow>>& SubRows() const { return m_subRows; }
    PropertyRow* SubRow(int index) const;
    PropertyRow* AddSubRow(std::unique_ptr<PropertyRow> row);

    // The position among the rows of its level when the sheet was built.
    int BuildOrder() const { return m_buildOrder; }
    void SetBuildOrder(int order) { m_buildOrder = order; }

    // Told after every change of the value, of this row or a sub-row.
    void SetChangeHandler(std::function<void(PropertyRow&)> handler);

private:
    void NotifyChanged();

    PropertyRowKind m_kind;
    PropertyRowId m_id;
    QString m_caption;
    QString m_description;
    PropertyValue m_value;
    PropertyValue m_baseline;
    QStringList m_options;
    bool m_editable = true;
    std::optional<SpinRange> m_spin;
    PropertyRow* m_parent = nullptr;
    std::vector<std::unique_ptr<PropertyRow>> m_subRows;
    int m_buildOrder = 0;
    std::function<void(PropertyRow&)> m_changed;
};

// How a font row shows its font: the face, the size and the style words.
QString FontText(const platform::FontDescription& font);

} // namespace panes
