#pragma once

#include "device/PackedImage.h"
#include "emulator/PrinterState.h"

#include <string>

namespace emulator {

// A line-per-field account of what the printer keeps, for people and scripts.
// Numbers and dates are written the same in every locale.
std::string DescribeState(const PrinterState& state);

// The clock value as the wall-clock reading it encodes: "2024-03-01 00:00:00".
std::string ClockText(std::uint32_t value);

// A binary PBM (P4) of the image: its rows are already the printer's bit layout.
std::string ToPbm(const device::PackedImage& image);

} // namespace emulator
