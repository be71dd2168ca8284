// The form's own attributes; names compare without regard to case.
#include "controls/AttributeValues.h"
#include "elements/FormUI.h"

#include <algorithm>
#include <limits>

namespace MarkupUI {

namespace AV = AttributeValues;

namespace {
bool Is(const QString& name, const char16_t* expected)
{
    return name.compare(QStringView(expected), Qt::CaseInsensitive) == 0;
}

// "#" then hexadecimal digits, or decimal digits, after leading white space.
int32_t ParseDecimalOrHex(const QString& value)
{
    qsizetype i = 0;
    while (i < value.size() && value.at(i).isSpace()) {
        ++i;
    }
    if (i < value.size() && value.at(i) == u'#') {
        return static_cast<int32_t>(AV::ReadLong(QStringView(value).mid(i + 1), 16).value);
    }
    return static_cast<int32_t>(AV::ReadLong(QStringView(value).mid(i), 10).value);
}

float ToFloat(double value)
{
    constexpr double limit = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -limit, limit));
}
} // namespace

void CFormUI::SetAttribute(const QString& name, const QString& value)
{
    if (Is(name, u"size")) {
        const platform::Size size = AV::ParseSize(value);
        SetSize(size.cx, size.cy);
    } else if (Is(name, u"pos")) {
        const platform::Rect r = AV::ParseRect(value);
        SetSize(static_cast<int32_t>(r.right - int64_t(r.left)), static_cast<int32_t>(r.bottom - int64_t(r.top)));
    } else if (Is(name, u"printpadding")) {
        SetPrintPadding(AV::ParseRect(value));
    } else if (Is(name, u"dpi")) {
        // Two numbers; the second starts one character after the first.
        qsizetype end = 0;
        const double x = AV::ReadDouble(value, &end);
        const double y = end + 1 <= value.size() ? AV::ReadDouble(QStringView(value).mid(end + 1)) : 0.0;
        SetDpi(ToFloat(x), ToFloat(y));
    } else if (Is(name, u"zeroing")) {
        SetZeroing(AV::ParseInt(value));
    } else if (Is(name, u"maxnum")) {
        SetMaxNum(ParseDecimalOrHex(value));
    } else if (Is(name, u"cutoffnum")) {
        SetCutoffNum(ParseDecimalOrHex(value));
    } else if (Is(name, u"printcount")) {
        SetPrintCount(ParseDecimalOrHex(value));
    } else if (Is(name, u"department")) {
        SetDepartment(ParseDecimalOrHex(value));
    } else if (Is(name, u"model")) {
        SetModel(value);
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

} // namespace MarkupUI
