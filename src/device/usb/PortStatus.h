#pragma once

#include <cstdint>

namespace device {

// Printer-class port status bits.
inline constexpr std::uint8_t kPortStatusNotError = 0x08;
inline constexpr std::uint8_t kPortStatusSelected = 0x10;
inline constexpr std::uint8_t kPortStatusPaperEmpty = 0x20;

// The status held while no printer is connected.
inline constexpr std::uint8_t kPortStatusNoPrinter = kPortStatusNotError;

// String ids of the status pane's texts.
inline constexpr int kTextPleaseConnectPrinter = 310; // "Please conect printer"
inline constexpr int kTextPrinterHasError = 311;      // "Printer has error"
inline constexpr int kTextPrinterStatusNormal = 312;  // "Printer Status is normal"
inline constexpr int kTextPaperEmpty = 194;           // "Paper empty"

// The text id the status pane shows for a port status byte.
int port_status_text_id(std::uint8_t status);

} // namespace device
