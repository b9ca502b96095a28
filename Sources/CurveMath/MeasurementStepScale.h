#pragma once

#include <cstddef>
#include <vector>

namespace sg {

// The x values of n measured patches: 0.0, then each value the previous plus s, with
// s = (255.0 / (n - 1)) / 255.0. Built by repeated addition, so the last value is 1.0 only up
// to accumulated rounding; the linearization results depend on exactly that rounding. One
// patch gives the single value 0.
std::vector<double> measurementStepScale(std::size_t patchCount);

}  // namespace sg
