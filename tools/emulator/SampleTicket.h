#pragma once

#include "device/ClockTransaction.h"
#include "device/PackedImage.h"
#include "emulator/PrinterState.h"

#include <string>

namespace emulator {

// The values the printer fills in when it prints a ticket.
struct TicketValues
{
    int ticket = 1;
    int waiting = 0;
    int serving = 0;
    device::LocalDateTime time{2024, 3, 1, 8, 30, 0};
    // Every field shows its widest value instead: the widest digit glyph of
    // its set in every position (numbers: the digit count, and for the
    // ticket and now-serving numbers at least the ending number's digits;
    // times: the format's digits, the separators as they are).
    bool worstCase = false;
};

// A number as a field of digitCount digits shows it: zero-padded, never cut.
std::string NumberFieldText(int value, int digitCount);

// The time as a time field of the given format index shows it; empty for an
// index the printer does not know.
std::string TimeFieldText(int formatIndex, const device::LocalDateTime& time);

// A field's widest value from its glyph set: the digit whose glyph is
// widest (the first of equals) in every digit position. positions is the
// digit count of a number; a time keeps its format's separators.
std::string WorstCaseNumberText(const GlyphSet& set, int positions);
std::string WorstCaseTimeText(const GlyphSet& set, int formatIndex);

// The ticket as the printer would print it: the page image with every field's
// text laid out from its glyph set, centred in the field's rectangle and cut
// at its edges. A character missing from the set leaves a gap half a glyph
// wide. Fields naming a missing set are left blank.
device::PackedImage ComposeTicket(const UploadedTemplate& upload, const TicketValues& values);

} // namespace emulator
