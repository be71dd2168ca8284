#pragma once

#include "elements/DesignLabelUI.h"

#include <cstdint>
#include <ctime>

namespace MarkupUI {

// The print time the printer fills in. At design time it shows the moment
// it was created, formatted by its entry of TimeFormatList.
class CTimeUI : public CDesignLabelUI
{
public:
    CTimeUI();

    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;
    void SetAttribute(const QString& name, const QString& value) override;
    // The printer prints the time itself: not part of the page image.
    void DoPaintStatic(platform::DrawingContext& dc, const platform::Rect& paint) override;

    // Limited per character of the shown text.
    platform::Size GetDisplaySize() override;

    uint8_t GetFormatIndex() const { return m_formatIndex; }
    // Selects a format and shows the sample time with it; an index outside
    // TimeFormatList is refused (false), as the printer knows no other.
    bool SetFormatIndex(int index);
    const std::tm& GetSampleTime() const { return m_sampleTime; }

private:
    uint8_t m_formatIndex = 0;
    std::tm m_sampleTime{};
};

} // namespace MarkupUI
