#pragma once

#include "emulator/DecodeError.h"
#include "emulator/PrinterState.h"

#include <cstdint>
#include <optional>
#include <span>

namespace emulator {

// Decodes a contiguous byte stream of transactions into what the printer
// keeps, applying each transaction when its end frame arrives. Returns the
// first fault found; the state then holds the transactions completed before it.
// Memory stays proportional to the stream: every length is checked against
// the bytes left before anything is allocated.
std::optional<DecodeError> DecodeStream(std::span<const std::uint8_t> stream, PrinterState& state);

} // namespace emulator
