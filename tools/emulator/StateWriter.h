#pragma once

#include "emulator/PrinterState.h"
#include "device/PrintedTicket.h"

#include <filesystem>
#include <string>

namespace emulator {

// Writes what the printer keeps into dir: state.txt and template.json; for a
// template page.png (and page.pbm), glyphset-N.png per glyph set (and a PBM
// per glyph) and ticket.png, a sample ticket with the given values; for a
// print, printed.png (and printed.pbm). False with error set when a file
// could not be written; the others are still written.
bool WriteState(const PrinterState& state, const device::TicketValues& values, const std::filesystem::path& dir,
                std::string& error);

} // namespace emulator
