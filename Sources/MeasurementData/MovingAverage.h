#pragma once

#include <vector>

namespace sg {

// The first smoothing stage of the linearization pipeline. The values are sorted from highest
// to lowest before they are averaged, so the result is also forced monotone (non-increasing for
// any window setting of 2 or more). windowSize is the user's window setting w; the window
// actually used holds 2 * floor(w / 4) + 1 values, and is cut on its right side near the end.
// The result has the input's length, starts at the largest value, and its index 255 (the last
// index of a shorter input) holds the smallest.
std::vector<double> movingAverage(const std::vector<double>& values, int windowSize);

}  // namespace sg
