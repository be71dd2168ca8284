#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

// Plays a queue-ticket printer for one program: an emulated udev world with
// the printer plugged in (USB 28e9:028d, node /dev/usb/lp0) that the program
// sees through umockdev's preload library, so the unmodified designer or
// ticket-cli finds, opens and writes to it.
struct LiveOptions
{
    std::vector<std::string> command; // program and arguments
    int portStatus = 0x18;            // answered to every status request
    int bytesPerSecond = 0;           // how fast the printer takes data; 0: at once
};

struct LiveResult
{
    int exitStatus = -1; // the program's, or 128 + signal
    int softResets = 0;
    std::vector<std::uint8_t> stream; // every byte the program wrote to the printer
    std::string error;                // set when the printer could not be set up or the program not run
    int spawnError = 0;               // errno when the program could not be run
};

// The udev test bed only works inside umockdev's preload: starts this
// program again under it unless it already runs there. Returns only then.
void RunUnderPreload(char** argv);

LiveResult RunLivePrinter(const LiveOptions& options);

} // namespace emulator
