#pragma once

// The texts the printer prints in its dynamic fields: on a given ticket, and
// at their widest (what a field must leave room for on a busy day).

#include "device/ClockTransaction.h"
#include "device/FieldLayout.h"

#include <string>
#include <vector>

namespace device {

// A number as a field of digitCount digits shows it: zero-padded, never cut.
std::string NumberFieldText(int value, int digitCount);

// The time as a time field of the given format index shows it; empty for an
// index the printer does not know.
std::string TimeFieldText(int formatIndex, const LocalDateTime& time);

// Digits of a non-negative number in decimal (0 has one).
int DecimalDigits(int value);

// Positions of a number field at its widest: its digit count (at least one),
// and for the ticket and now-serving numbers, which run up to the ending
// number, at least that number's digits. Both as the printer takes them: the
// digit count as a byte, the ending number as 16 bits.
int WorstCaseNumberPositions(int digitCount, int endingNumber, bool boundedByEnding);

// The digit whose glyph is widest (the first of equals); '0' when the set
// has no digit.
char WidestDigit(const std::vector<GlyphMetrics>& set);

// A field's widest value: the widest digit in every digit position; a time
// keeps its format's separators (empty for an unknown format).
std::string WorstCaseNumberText(const std::vector<GlyphMetrics>& set, int positions);
std::string WorstCaseTimeText(const std::vector<GlyphMetrics>& set, int formatIndex);

} // namespace device
