#include "CurveMath/ClosestValue.h"

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

}  // namespace sg
