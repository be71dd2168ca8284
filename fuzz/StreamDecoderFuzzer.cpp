// The printer emulator's decoder on an arbitrary byte stream, as
// "ticket-printer-emu decode" reads a capture.
#include "FuzzSupport.h"

#include "emulator/StreamDecoder.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::SilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    emulator::PrinterState state;
    (void)emulator::DecodeStream(std::span<const std::uint8_t>(data, size), state);
    return 0;
}
