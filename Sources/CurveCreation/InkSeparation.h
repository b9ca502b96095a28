#pragma once

#include <cstddef>
#include <vector>

#include "Common/Result.h"

namespace sg {

// An ink separation chart prints every ink alone in 21 steps from 0 % to 100 %, the inks
// interleaved step by step (step j of ink i is patch j * inkCount + i), the darkest ink first.
inline constexpr std::size_t separationStepCount = 21;

// The chart a creation tool starts from before one is loaded: one ink falling evenly from
// paper white to black.
extern const std::vector<double> builtInSeparationChart;

// The lightness curve of every ink of a measured chart, 101 entries each (entry k at k % of
// the ink), paper white first: each ink's 21 values smoothed over three (ends kept), resampled
// by the monotone spline, and turned round when the chart was measured from dark to light.
// Values past the last whole set of 21 are ignored; fewer than 21 values give no ink.
std::vector<std::vector<double>> separatedInkCurves(const std::vector<double>& measurements);

// An ink's curve from 0 % up to its limit (percent, 1..100; above 100 counts as 100, below 1
// as 1), stretched over 100 entries by the spline: the last entry is about the darkest tone
// the ink gives at its limit.
// Requires the 101 entries of a separated curve.
std::vector<double> limitedInkCurve(const std::vector<double>& inkCurve, int limit);

// The gray value of every ink from the limited curves, darkest ink first: 100 for the darkest,
// and for each next ink the previous point times the share of its curve at which the previous
// ink passes the next ink's darkest tone (the last entry of its limited curve). The passage
// is the first pair of neighbouring entries that brackets that tone, linearly interpolated.
// Refused, naming the inks, when a curve never passes the next ink's darkest tone (a chart
// that lists a lighter ink before a darker one). At least one curve.
Result<std::vector<double>> crossoverPoints(const std::vector<std::vector<double>>& limitedCurves);

}  // namespace sg
