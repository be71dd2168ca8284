#pragma once

#include <QAbstractSpinBox>

#include <cstdint>
#include <optional>

namespace panes {

// The in-place editor of an integer row: any 32-bit number may be typed,
// while the spin buttons and arrow keys stay within the row's range. Out of
// range typed numbers are the pane's to judge when the edit is applied.
class PropertySpinEdit : public QAbstractSpinBox
{
    Q_OBJECT
public:
    PropertySpinEdit(int32_t lower, int32_t upper, QWidget* parent = nullptr);

    // The typed number, or none while the text is not one.
    std::optional<int32_t> Number() const;
    void SetNumber(int32_t value);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int32_t m_lower;
    int32_t m_upper;
};

} // namespace panes
