#include "MeasurementData/MonotoneSmoothing.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "MeasurementData/IsotonicRegression.h"
#include "MeasurementData/WhittakerSmoother.h"

namespace sg {
namespace {

bool rises(const std::vector<double>& values) {
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (values[i] > values[i - 1]) {
            return true;
        }
    }
    return false;
}

double strengthWithLeastError(const WhittakerSmoother& smoother) {
    double best = 0.0;
    double leastError = std::numeric_limits<double>::infinity();
    for (int k = 1; k <= SmoothingStrength::choices; ++k) {
        const double strength = static_cast<double>(k) / SmoothingStrength::choices;
        const double error = smoother.crossValidationError(SmoothingStrength::lambdaOf(strength));
        if (error < leastError) {
            leastError = error;
            best = strength;
        }
    }
    return best;
}

}  // namespace

double SmoothingStrength::lambdaOf(double strength) {
    if (strength <= 0.0) {
        return 0.0;
    }
    return std::pow(10.0, lowestExponent + strength * (highestExponent - lowestExponent));
}

MonotoneSmoothing monotoneSmoothing(const std::vector<double>& positions,
                                    const std::vector<double>& values,
                                    const std::vector<double>& weights,
                                    std::optional<double> strength) {
    const WhittakerSmoother smoother(positions, values, weights);
    MonotoneSmoothing smoothing;
    if (strength) {
        smoothing.strength = *strength;
    } else if (values.size() >= 3) {
        smoothing.strength = strengthWithLeastError(smoother);
    }
    smoothing.values = smoother.smoothed(SmoothingStrength::lambdaOf(smoothing.strength));
    if (rises(smoothing.values)) {
        smoothing.values = nonIncreasingFit(smoothing.values, weights);
    }
    return smoothing;
}

}  // namespace sg
