#pragma once

#include <cstddef>
#include <vector>

namespace sg {

// The index of the value closest to the target; of equally close values the first, so this is
// also the first index holding the closest value. A non-number never becomes the closest, but
// a non-number target or first value gives 0. Requires at least one value.
std::size_t indexOfClosestValue(const std::vector<double>& values, double target);

// The same index for values that rise strictly, found by bisection instead of a scan.
std::size_t indexOfClosestRisingValue(const std::vector<double>& rising, double target);

}  // namespace sg
