#pragma once

namespace platform {

// Keeps the C library from handing every freed page image back to the
// system at once: each repaint and each upload allocates and frees images of
// a few megabytes, and faulting fresh pages in again cost more than the
// drawing itself. Call once, first thing in main.
void TuneHeapForPageImages();

} // namespace platform
