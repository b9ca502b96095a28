#pragma once

#include <vector>

namespace sg {

// The non-increasing series closest to the values in weighted least squares (the pool adjacent
// violators algorithm): every run that rises is replaced by its weighted mean, repeated until
// nothing rises. A series that never rises comes back unchanged. One positive weight per value.
std::vector<double> nonIncreasingFit(const std::vector<double>& values,
                                     const std::vector<double>& weights);

}  // namespace sg
