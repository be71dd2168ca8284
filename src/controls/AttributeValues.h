#pragma once

#include "platform/Geometry.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace MarkupUI {

// The value syntax of template attributes. Every reader here is
// locale-independent and never fails: a malformed value reads as the rules
// say (usually 0), exactly as templates already in the field rely on.
namespace AttributeValues {

// Result of reading a number from the front of a text: the value and how
// many characters were consumed (0 when there were no digits).
struct NumberPrefix
{
    int64_t value = 0;
    qsizetype end = 0;
};

// Optional white space and sign, then digits of the base (16 also accepts a
// "0x" prefix); stops at the first other character. Signed results saturate
// at the 32-bit limits.
NumberPrefix ReadLong(QStringView text, int base = 10);
// As ReadLong, but the value wraps like an unsigned 32-bit conversion and
// saturates at 0xFFFFFFFF.
NumberPrefix ReadUnsignedLong(QStringView text, int base = 16);
// [white space][sign]digits[.digits][(e|E)[sign]digits]; no C library locale
// is consulted, so "203.2" is 203.2 under every system language.
double ReadDouble(QStringView text, qsizetype* end = nullptr);

// true exactly for "true".
bool ParseBool(QStringView value);
// A decimal integer; no digits gives 0.
int32_t ParseInt(QStringView value);
// count integers, each starting one character after the previous one ended,
// so any single separator works; missing trailing integers read as 0.
template <std::size_t N> std::array<int32_t, N> ParseIntList(QStringView value);
platform::Rect ParseRect(QStringView value);
platform::Size ParseSize(QStringView value);
// Background colours: white space and one "#" skipped, then hexadecimal.
uint32_t ParseBackgroundColor(QStringView value);
// Border colours: only a leading "#" is skipped, then hexadecimal.
uint32_t ParseBorderColor(QStringView value);
// Tooltips write "<n>" for a line break.
QString ParseTooltip(QStringView value);

// Write formats used when a template is saved.
QString FormatInt(int32_t value);
QString FormatRect(const platform::Rect& r);
QString FormatColor(uint32_t argb);

} // namespace AttributeValues
} // namespace MarkupUI

#include "controls/AttributeValues.inl"
