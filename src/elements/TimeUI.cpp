#include "elements/TimeUI.h"

#include "elements/ElementKind.h"
#include "elements/TimeFormatList.h"
#include "platform/CTimeFormat.h"

namespace MarkupUI {

CTimeUI::CTimeUI() : m_sampleTime(platform::LocalTimeNow())
{
    SetText(TimeFormatList::Format(m_sampleTime, m_formatIndex));
}

int CTimeUI::GetElementKind() const
{
    return kElementTime;
}

QString CTimeUI::GetClass() const
{
    return QStringLiteral("TimeUI");
}

void* CTimeUI::GetInterface(const QString& name)
{
    return name == u"Time" ? this : CDesignLabelUI::GetInterface(name);
}

void CTimeUI::SetAttribute(const QString& name, const QString& value)
{
    if (name == u"timeformat") {
        // An unknown format leaves the element as it is.
        const int index = TimeFormatList::IndexOf(value);
        if (index >= 0) {
            SetFormatIndex(index);
        }
    } else {
        CDesignLabelUI::SetAttribute(name, value);
    }
}

bool CTimeUI::SetFormatIndex(int index)
{
    if (index < 0 || index >= TimeFormatList::kCount) {
        return false;
    }
    if (index != m_formatIndex) {
        m_formatIndex = static_cast<uint8_t>(index);
        SetText(TimeFormatList::Format(m_sampleTime, m_formatIndex));
    }
    return true;
}

platform::Size CTimeUI::GetDisplaySize()
{
    if (m_parent == nullptr || m_text.isEmpty()) {
        return m_fixedSize;
    }
    return DisplaySizeForCells(static_cast<int32_t>(m_text.size()));
}

} // namespace MarkupUI
