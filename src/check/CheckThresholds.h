#pragma once

namespace check {

// Text is legible when its capitals and digits (or, for Chinese text, its
// characters) stand at least this tall on paper: about the cap height of
// 6-point type, the smallest a queue ticket is read at arm's length...
inline constexpr double kMinLegibleHeightMm = 1.5;
// ...and have at least this many printer dots to be drawn with: a digit
// needs seven rows and a gap, a Chinese character about twelve.
inline constexpr int kMinLegibleDots = 8;
inline constexpr int kMinLegibleHanDots = 12;

// A stroke thinner than one printer dot may vanish or print unevenly.
inline constexpr double kMinStrokeDots = 1.0;

// A picture with less ink than this share of its dots prints almost white,
// with more almost black.
inline constexpr double kWashedOutInkShare = 0.01;
inline constexpr double kBlackedOutInkShare = 0.95;

} // namespace check
