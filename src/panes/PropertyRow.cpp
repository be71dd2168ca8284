#include "panes/PropertyRow.h"

#include <QCoreApplication>

#include <cstdlib>
#include <utility>

namespace panes {

namespace {

// Group values are joined and split here; blanks around the numbers are
// welcome when typed.
constexpr QLatin1StringView kJoin(", ");

std::optional<int32_t> ReadInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

template <typename T> T Get(const PropertyValue& value)
{
    const T* held = std::get_if<T>(&value);
    return held != nullptr ? *held : T{};
}

} // namespace

PropertyRow::PropertyRow(PropertyRowKind kind, QString caption, QString description, PropertyValue value,
                         PropertyRowId id)
    : m_kind(kind), m_id(id), m_caption(std::move(caption)), m_description(std::move(description)),
      m_value(value), m_baseline(std::move(value))
{
}

void PropertyRow::SetValue(const PropertyValue& value)
{
    if (m_value == value) {
        return;
    }
    m_value = value;
    NotifyChanged();
}

void PropertyRow::SetValueAndBaseline(const PropertyValue& value)
{
    m_baseline = value;
    SetValue(value);
}

void PropertyRow::RevertToBaseline()
{
    for (const auto& sub : m_subRows) {
        sub->RevertToBaseline();
    }
    SetValue(m_baseline);
}

void PropertyRow::AcceptValue()
{
    for (const auto& sub : m_subRows) {
        sub->AcceptValue();
    }
    m_baseline = m_value;
}

bool PropertyRow::IsModified() const
{
    for (const auto& sub : m_subRows) {
        if (sub->IsModified()) {
            return true;
        }
    }
    return m_value != m_baseline;
}

int32_t PropertyRow::IntValue() const
{
    return Get<int32_t>(m_value);
}

QString PropertyRow::TextValue() const
{
    return Get<QString>(m_value);
}

platform::FontDescription PropertyRow::FontValue() const
{
    return Get<platform::FontDescription>(m_value);
}

int32_t PropertyRow::IntBaseline() const
{
    return Get<int32_t>(m_baseline);
}

QString PropertyRow::TextBaseline() const
{
    return Get<QString>(m_baseline);
}

platform::FontDescription PropertyRow::FontBaseline() const
{
    return Get<platform::FontDescription>(m_baseline);
}

QString PropertyRow::DisplayText() const
{
    switch (m_kind) {
    case PropertyRowKind::Group: {
        QStringList parts;
        for (const auto& sub : m_subRows) {
            parts << sub->DisplayText();
        }
        return parts.join(kJoin);
    }
    case PropertyRowKind::Font:
        return FontText(FontValue());
    case PropertyRowKind::Integer:
        if (const int32_t* number = std::get_if<int32_t>(&m_value)) {
            return QString::number(*number);
        }
        return TextValue();
    case PropertyRowKind::Text:
    case PropertyRowKind::Image:
        break;
    }
    return TextValue();
}

bool PropertyRow::SetFromText(const QString& text)
{
    switch (m_kind) {
    case PropertyRowKind::Integer: {
        const std::optional<int32_t> number = ReadInt(text);
        if (!number) {
            return false;
        }
        SetValue(*number);
        return true;
    }
    case PropertyRowKind::Group: {
        const QStringList parts = text.split(u',');
        if (m_subRows.empty() || parts.size() != static_cast<qsizetype>(m_subRows.size())) {
            return false;
        }
        // Every part must read before any sub-row changes.
        std::vector<int32_t> numbers;
        for (const QString& part : parts) {
            const std::optional<int32_t> number = ReadInt(part);
            if (!number) {
                return false;
            }
            numbers.push_back(*number);
        }
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            m_subRows[i]->SetValue(numbers[i]);
        }
        return true;
    }
    case PropertyRowKind::Text:
    case PropertyRowKind::Image:
        SetValue(text);
        return true;
    case PropertyRowKind::Font:
        break;
    }
    return false;
}

PropertyRow* PropertyRow::TopLevel()
{
    PropertyRow* row = this;
    for (int depth = Depth(); depth > 0; --depth) {
        row = row->m_parent;
    }
    return row;
}

int PropertyRow::Depth() const
{
    int depth = 0;
    for (const PropertyRow* row = m_parent; row != nullptr; row = row->m_parent) {
        ++depth;
    }
    return depth;
}

PropertyRow* PropertyRow::SubRow(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_subRows.size())) {
        return nullptr;
    }
    return m_subRows[static_cast<std::size_t>(index)].get();
}

PropertyRow* PropertyRow::AddSubRow(std::unique_ptr<PropertyRow> row)
{
    row->m_parent = this;
    row->m_buildOrder = static_cast<int>(m_subRows.size());
    m_subRows.push_back(std::move(row));
    return m_subRows.back().get();
}

void PropertyRow::SetChangeHandler(std::function<void(PropertyRow&)> handler)
{
    m_changed = std::move(handler);
}

void PropertyRow::NotifyChanged()
{
    if (m_changed) {
        m_changed(*this);
    }
    if (m_parent != nullptr) {
        m_parent->NotifyChanged();
    }
}

QString FontText(const platform::FontDescription& font)
{
    QStringList parts;
    if (!font.FaceName().isEmpty()) {
        parts << font.FaceName();
    }
    if (font.height != 0) {
        parts << QString::number(std::abs(static_cast<int64_t>(font.height)));
    }
    if (font.weight >= platform::kFontWeightBold) {
        parts << QCoreApplication::translate("panes::PropertyRow", "Bold");
    }
    if (font.italic) {
        parts << QCoreApplication::translate("panes::PropertyRow", "Italic");
    }
    return parts.join(kJoin);
}

} // namespace panes
