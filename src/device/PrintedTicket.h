#pragma once

// A ticket as the printer prints it from what an upload left in it: the
// page image with every field filled through the field model.

#include "device/ClockTransaction.h"
#include "device/FieldLayout.h"
#include "device/PrinterTemplate.h"

#include <string>
#include <vector>

namespace device {

// The values the printer fills in when it prints a ticket.
struct TicketValues
{
    int ticket = 1;
    int waiting = 0;
    int serving = 0;
    LocalDateTime time{2024, 3, 1, 8, 30, 0};
    // Every field shows its widest value instead (FieldTexts.h).
    bool worstCase = false;
};

// One field of the ticket: which one, its rectangle, the text it shows and
// how that text lies in it.
struct PrintedField
{
    std::string name; // "ticket number", "waiting count", "now serving", "time field N"
    DeviceRect rect;
    std::string text;
    FieldLayout layout;
    const PrinterGlyphSet* set = nullptr; // null: the set it names was not sent, it prints nothing
};

// The fields the ticket shows, in the order the printer fills them: the
// ticket number, waiting count and now-serving number, then the time fields.
std::vector<PrintedField> LayOutTicketFields(const PrinterTemplate& upload, const TicketValues& values);

std::vector<GlyphMetrics> MetricsOf(const PrinterGlyphSet& set);

PackedImage ComposeTicket(const PrinterTemplate& upload, const TicketValues& values);

} // namespace device
