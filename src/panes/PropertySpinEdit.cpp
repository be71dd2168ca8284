#include "panes/PropertySpinEdit.h"

#include <QLineEdit>

#include <algorithm>

namespace panes {

PropertySpinEdit::PropertySpinEdit(int32_t lower, int32_t upper, QWidget* parent)
    : QAbstractSpinBox(parent), m_lower(std::min(lower, upper)), m_upper(std::max(lower, upper))
{
    setFrame(false);
    setKeyboardTracking(false);
    // An unfinished text ("-") stays as typed; the row keeps its value.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

std::optional<int32_t> PropertySpinEdit::Number() const
{
    bool ok = false;
    const int value = lineEdit()->text().trimmed().toInt(&ok, 10);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

void PropertySpinEdit::SetNumber(int32_t value)
{
    lineEdit()->setText(QString::number(value));
}

void PropertySpinEdit::stepBy(int steps)
{
    // A typed number outside the range steps back into it.
    const int64_t start = std::clamp<int64_t>(Number().value_or(m_lower), m_lower, m_upper);
    const int64_t next = std::clamp<int64_t>(start + steps, m_lower, m_upper);
    SetNumber(static_cast<int32_t>(next));
    lineEdit()->selectAll();
}

QValidator::State PropertySpinEdit::validate(QString& input, int& /*pos*/) const
{
    const QString text = input.trimmed();
    if (text.isEmpty() || text == u"-" || text == u"+") {
        return QValidator::Intermediate;
    }
    bool ok = false;
    text.toInt(&ok, 10);
    return ok ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled PropertySpinEdit::stepEnabled() const
{
    const std::optional<int32_t> value = Number();
    if (!value) {
        return StepUpEnabled | StepDownEnabled;
    }
    StepEnabled enabled = StepNone;
    if (*value < m_upper) {
        enabled |= StepUpEnabled;
    }
    if (*value > m_lower) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

} // namespace panes
