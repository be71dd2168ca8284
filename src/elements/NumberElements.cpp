#include "elements/NumberElements.h"

#include "controls/AttributeValues.h"
#include "elements/ElementKind.h"
#include "elements/SampleNumbers.h"

namespace MarkupUI {

namespace {
// A sample of 0 means "no number": the element shows nothing.
void ShowNumber(CDesignLabelUI& element, int32_t value, QChar fill)
{
    if (value == 0) {
        element.SetText(QString());
        element.Invalidate();
        return;
    }
    element.SetText(SampleNumbers::FormatNumber(value, element.GetNumLength(), fill));
}
} // namespace

// Queuing number

CQueuingNumUI::CQueuingNumUI()
{
    if (SampleNumbers::Queuing() == 0) {
        SampleNumbers::SetQueuing(SampleNumbers::MakeQueuing());
    }
    SetSample(SampleNumbers::Queuing());
}

int CQueuingNumUI::GetElementKind() const
{
    return kElementQueuingNum;
}

QString CQueuingNumUI::GetClass() const
{
    return QStringLiteral("QueuingNumUI");
}

void* CQueuingNumUI::GetInterface(const QString& name)
{
    return name == u"QueuingNum" ? this : CDesignLabelUI::GetInterface(name);
}

void CQueuingNumUI::SetAttribute(const QString& name, const QString& value)
{
    if (name == u"queuingnum") {
        SetSample(AttributeValues::ParseInt(value));
    } else {
        CDesignLabelUI::SetAttribute(name, value);
    }
}

void CQueuingNumUI::SetNumLength(int32_t length)
{
    CDesignLabelUI::SetNumLength(length);
    SetSample(SampleNumbers::Queuing());
}

void CQueuingNumUI::SetSample(int32_t value)
{
    SampleNumbers::SetQueuing(value);
    ShowNumber(*this, value, u'0');
}

// Waiting count

CWaitingCountUI::CWaitingCountUI()
{
    CDesignLabelUI::SetNumLength(2);
    if (SampleNumbers::Waiting() == 0) {
        SampleNumbers::SetWaiting(SampleNumbers::MakeWaiting());
    }
    SetSample(SampleNumbers::Waiting());
}

int CWaitingCountUI::GetElementKind() const
{
    return kElementWaitingCount;
}

QString CWaitingCountUI::GetClass() const
{
    return QStringLiteral("WaitingCountUI");
}

void* CWaitingCountUI::GetInterface(const QString& name)
{
    return name == u"WaitingCount" ? this : CDesignLabelUI::GetInterface(name);
}

void CWaitingCountUI::SetAttribute(const QString& name, const QString& value)
{
    if (name == u"waitingcount") {
        SetSample(AttributeValues::ParseInt(value));
    } else {
        CDesignLabelUI::SetAttribute(name, value);
    }
}

void CWaitingCountUI::SetNumLength(int32_t length)
{
    CDesignLabelUI::SetNumLength(length);
    SetSample(SampleNumbers::Waiting());
}

void CWaitingCountUI::SetSample(int32_t value)
{
    SampleNumbers::SetWaiting(value);
    ShowNumber(*this, value, u' ');
}

// Current (now-serving) number

CCurrentNumUI::CCurrentNumUI()
{
    if (SampleNumbers::Current() == 0) {
        SampleNumbers::SetCurrent(SampleNumbers::MakeCurrent());
    }
    SetSample(SampleNumbers::Current());
}

int CCurrentNumUI::GetElementKind() const
{
    return kElementCurrentNum;
}

QString CCurrentNumUI::GetClass() const
{
    return QStringLiteral("CurrentNumUI");
}

void* CCurrentNumUI::GetInterface(const QString& name)
{
    return name == u"CurrentNum" ? this : CDesignLabelUI::GetInterface(name);
}

void CCurrentNumUI::SetAttribute(const QString& name, const QString& value)
{
    if (name == u"currentnum") {
        SetSample(AttributeValues::ParseInt(value));
    } else {
        CDesignLabelUI::SetAttribute(name, value);
    }
}

void CCurrentNumUI::SetNumLength(int32_t length)
{
    CDesignLabelUI::SetNumLength(length);
    SetSample(SampleNumbers::Current());
}

void CCurrentNumUI::SetSample(int32_t value)
{
    SampleNumbers::SetCurrent(value);
    ShowNumber(*this, value, u'0');
}

} // namespace MarkupUI
