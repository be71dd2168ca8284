#include "controls/AttributeValues.h"

#include <charconv>
#include <limits>
#include <string>

namespace MarkupUI::AttributeValues {
namespace {

bool IsSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

int DigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'z') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'Z') {
        return u - u'A' + 10;
    }
    return 99;
}

struct DigitRun
{
    uint64_t magnitude = 0;
    bool negative = false;
    bool overflow = false;
    qsizetype end = 0; // 0 when no digit was read
};

// The common scanner behind the signed and unsigned readers.
DigitRun ScanDigits(QStringView text, int base)
{
    DigitRun run;
    qsizetype i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        run.negative = text[i] == u'-';
        ++i;
    }
    if (base == 16 && i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
        DigitValue(text[i + 2]) < 16) {
        i += 2;
    }
    const qsizetype firstDigit = i;
    constexpr uint64_t limit = uint64_t(1) << 40; // far beyond 32 bits, never overflows 64
    while (i < text.size() && DigitValue(text[i]) < base) {
        if (run.magnitude < limit) {
            run.magnitude = run.magnitude * base + DigitValue(text[i]);
        } else {
            run.overflow = true;
        }
        ++i;
    }
    run.end = i == firstDigit ? 0 : i;
    if (run.end == 0) {
        run.magnitude = 0;
        run.negative = false;
    }
    if (run.magnitude > 0xFFFFFFFFull) {
        run.overflow = true;
    }
    return run;
}

} // namespace

NumberPrefix ReadLong(QStringView text, int base)
{
    const DigitRun run = ScanDigits(text, base);
    constexpr int64_t maxValue = std::numeric_limits<int32_t>::max();
    constexpr int64_t minValue = std::numeric_limits<int32_t>::min();
    int64_t value;
    if (run.negative) {
        value = (run.overflow || run.magnitude > uint64_t(-minValue)) ? minValue : -int64_t(run.magnitude);
    } else {
        value = (run.overflow || run.magnitude > uint64_t(maxValue)) ? maxValue : int64_t(run.magnitude);
    }
    return {value, run.end};
}

NumberPrefix ReadUnsignedLong(QStringView text, int base)
{
    const DigitRun run = ScanDigits(text, base);
    if (run.overflow) {
        return {0xFFFFFFFF, run.end};
    }
    const uint32_t magnitude = static_cast<uint32_t>(run.magnitude);
    return {run.negative ? int64_t(uint32_t(0u - magnitude)) : int64_t(magnitude), run.end};
}

double ReadDouble(QStringView text, qsizetype* end)
{
    qsizetype i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    std::string ascii;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') {
            ascii += '-';
        }
        ++i;
    }
    auto takeDigits = [&] {
        qsizetype n = 0;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
            ascii += char(text[i].unicode());
            ++i;
            ++n;
        }
        return n;
    };
    qsizetype digits = takeDigits();
    if (i < text.size() && text[i] == u'.') {
        ascii += '.';
        ++i;
        digits += takeDigits();
    }
    if (digits == 0) {
        if (end) {
            *end = 0;
        }
        return 0.0;
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) {
            exponent += char(text[j].unicode());
            ++j;
        }
        const qsizetype exponentStart = j;
        while (j < text.size() && text[j] >= u'0' && text[j] <= u'9') {
            exponent += char(text[j].unicode());
            ++j;
        }
        if (j > exponentStart) {
            ascii += exponent;
            i = j;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Keep the sign of an overflow; an underflow reads as 0.
        value = 0.0;
    }
    if (end) {
        *end = i;
    }
    return value;
}

bool ParseBool(QStringView value)
{
    return value == u"true";
}

int32_t ParseInt(QStringView value)
{
    return static_cast<int32_t>(ReadLong(value, 10).value);
}

platform::Rect ParseRect(QStringView value)
{
    const auto v = ParseIntList<4>(value);
    return platform::Rect{v[0], v[1], v[2], v[3]};
}

platform::Size ParseSize(QStringView value)
{
    const auto v = ParseIntList<2>(value);
    return platform::Size{v[0], v[1]};
}

uint32_t ParseBackgroundColor(QStringView value)
{
    qsizetype i = 0;
    while (i < value.size() && IsSpace(value[i])) {
        ++i;
    }
    if (i < value.size() && value[i] == u'#') {
        ++i;
    }
    return static_cast<uint32_t>(ReadUnsignedLong(value.mid(i), 16).value);
}

uint32_t ParseBorderColor(QStringView value)
{
    const qsizetype start = value.startsWith(u'#') ? 1 : 0;
    return static_cast<uint32_t>(ReadUnsignedLong(value.mid(start), 16).value);
}

QString ParseTooltip(QStringView value)
{
    QString text = value.toString();
    text.replace(QStringLiteral("<n>"), QStringLiteral("\r\n"));
    return text;
}

QString FormatInt(int32_t value)
{
    return QString::number(value);
}

QString FormatRect(const platform::Rect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

QString FormatColor(uint32_t argb)
{
    return QStringLiteral("#%1").arg(argb, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace MarkupUI::AttributeValues
