#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "QuadFiles/QuadCurve.h"

namespace sg {

// Reading every channel of a curve at the positions of a correction curve, so equal input
// steps print as equal steps of lightness while the ink balance between channels is kept.

// The input position of each of the 256 levels in percent: level k at k * levelStep. The
// linearization tool's step is 100/255 (the last level at 100.0); automatic curve creation's
// is written to ten decimals (the last level at 99.9999999885).
std::vector<double> levelPositions(double levelStep);
inline constexpr double tenDecimalLevelStep = 0.3921568627;

// The two levels around a target position: the level closest to the target and its neighbour
// on the target's side (a target on a level brackets it with the next one). The upper level is
// limited to the last level and the lower to level 0, so a target at or beyond either end
// brackets that end with itself.
std::pair<std::size_t, std::size_t> bracketingLevels(const std::vector<double>& levelPositions,
                                                     double target);

// Whether a value that is not a finite number is reported on the diagnostic output before it
// becomes 0.
enum class NonNumbers { reported, silent };

// Every channel read at the corrected positions (percent per level, at least 255 of them). In
// each channel levels 0..254 are interpolated between their bracketing levels, level 255
// keeps the channel's own last value, and level 1 becomes the mean of levels 0 and 2. A
// zero-width bracket takes the channel's value at that level, and a result that is not a
// finite number becomes 0. A channel of fewer than 256 values cannot be read that way and
// comes back unchanged, so every channel stays at its own position. Too few positions give no
// channels at all.
QuadCurve linearizedCurve(const QuadCurve& curve, const std::vector<double>& correction,
                          const std::vector<double>& levelPositions, NonNumbers nonNumbers);

}  // namespace sg
