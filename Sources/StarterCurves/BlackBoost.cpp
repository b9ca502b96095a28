#include "StarterCurves/BlackBoost.h"

#include <cmath>

namespace sg {

BlackBoost::BlackBoost(double amount) {
    const double exponent = 1.0 / (amount * 0.02 + 2.0);
    for (std::size_t level = 0; level < levelCount; ++level) {
        const double position = static_cast<double>(level) * 100.0 / 255.0;
        const double reversed = 1.0 - static_cast<double>(level) / 255.0;
        // This order of operations; saved curves depend on it to the last bit.
        const double distance = std::abs(std::pow(reversed, exponent) - 1.0) * amount;
        factors_[level] = distance * position * 0.0001;
    }
}

QuadCurve BlackBoost::boosted(QuadCurve curve) const {
    for (const std::size_t channel : {0u, 6u, 7u}) {
        if (channel >= curve.size()) {
            continue;
        }
        std::vector<double>& values = curve[channel];
        for (std::size_t level = 0; level < values.size() && level < levelCount; ++level) {
            values[level] = values[level] + values[level] * factors_[level];
        }
    }
    return curve;
}

}  // namespace sg
