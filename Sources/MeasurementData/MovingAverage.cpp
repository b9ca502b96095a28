#include "MeasurementData/MovingAverage.h"

#include <algorithm>
#include <cstddef>
#include <functional>

namespace sg {
namespace {

double meanOf(const std::vector<double>& values, std::size_t first, std::size_t last) {
    double sum = 0.0;
    for (std::size_t i = first; i <= last; ++i) {
        sum += values[i];
    }
    return sum / static_cast<double>(last - first + 1);
}

}  // namespace

std::vector<double> movingAverage(const std::vector<double>& values, int windowSize) {
    const std::size_t n = values.size();
    if (n == 0) {
        return {};
    }
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    const auto [smallest, largest] = std::minmax_element(values.begin(), values.end());

    std::vector<double> result;
    if (windowSize < 2) {
        result = values;
    } else {
        // Wider start windows would run past the data. n / 2 (not (n + 1) / 2) also keeps
        // the smallest value out of them, which keeps the result non-increasing for odd n.
        const std::size_t halfWidth = std::min(static_cast<std::size_t>(windowSize / 4), n / 2);
        result.reserve(n);
        for (std::size_t k = 0; k < n; ++k) {
            if (k < halfWidth) {
                result.push_back(meanOf(sorted, 0, 2 * k));
                continue;
            }
            // The smallest sorted value closes no window; windows near the end are cut on
            // their right side only.
            const std::size_t first = k - halfWidth;
            const std::size_t last = std::min(k + halfWidth, n >= 2 ? n - 2 : 0);
            if (n < 2 || last < first) {
                // Only the last index can be left without values; it gets the smallest.
                result.push_back(sorted.back());
            } else {
                result.push_back(meanOf(sorted, first, last));
            }
        }
    }
    result.front() = *largest;
    result[std::min<std::size_t>(255, n - 1)] = *smallest;
    return result;
}

}  // namespace sg
