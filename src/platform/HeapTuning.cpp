#include "platform/HeapTuning.h"

#include <cstdlib> // defines __GLIBC__ on the C library that has mallopt

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void TuneHeapForPageImages()
{
#if defined(__GLIBC__)
    // Page images up to 32 MiB come from the heap instead of their own
    // mapping, and up to 64 MiB of free heap stay with the process.
    constexpr int kMapAbove = 32 * 1024 * 1024;
    constexpr int kKeepFree = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kMapAbove);
    mallopt(M_TRIM_THRESHOLD, kKeepFree);
#endif
}

} // namespace platform
