#pragma once

#include <vector>

namespace platform {

// The ring a circle element draws (an ellipse, less the ellipse inside it
// by the border width), filled without anti-aliasing so every pixel is
// either the colour or untouched. A ring drawn at any whole-pixel position
// covers the same pixels relative to its box, so one set of runs per size
// and border serves every circle of that shape, whatever its colour, and a
// repaint fills those runs instead of filling a curved path again.

// Pixels [left, right) of row y of the ring's box.
struct RingRun
{
    int y;
    int left;
    int right;
};
using RingRuns = std::vector<RingRun>;

// The runs of a width x height box's ring, held by the calling thread once
// it asks for the same shape a second time. Nothing the first time, and for
// boxes too large to hold: the caller fills the ring itself.
const RingRuns* EllipseRingRuns(int width, int height, int border);

} // namespace platform
