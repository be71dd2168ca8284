#pragma once

namespace check {

class CheckContext;

// Lines, shape outlines and element borders thinner than one printer dot
// across their direction, or in a colour the black-and-white rule turns to
// paper.
void CheckStrokes(CheckContext& context);

} // namespace check
