#include "CurveMath/ClosestValue.h"

#include <algorithm>
#include <cmath>

namespace sg {

std::size_t indexOfClosestValue(const std::vector<double>& values, double target) {
    std::size_t closest = 0;
    double closestDistance = std::abs(values[0] - target);
    for (std::size_t j = 1; j < values.size(); ++j) {
        const double distance = std::abs(values[j] - target);
        if (distance < closestDistance) {
            closest = j;
            closestDistance = distance;
        }
    }
    return closest;
}

std::size_t indexOfClosestRisingValue(const std::vector<double>& rising, double target) {
    if (!std::isfinite(target)) {
        return 0;  // every distance is infinite or not a number, as in the scan
    }
    const auto firstAtOrAbove = std::lower_bound(rising.begin(), rising.end(), target);
    auto closest = firstAtOrAbove == rising.end() ? firstAtOrAbove - 1 : firstAtOrAbove;
    const auto distance = [target](double value) { return std::abs(value - target); };
    // Below the target the rounded distances fall but may repeat: the scan keeps the first.
    while (closest != rising.begin() && distance(*(closest - 1)) <= distance(*closest)) {
        --closest;
    }
    return static_cast<std::size_t>(closest - rising.begin());
}

}  // namespace sg
