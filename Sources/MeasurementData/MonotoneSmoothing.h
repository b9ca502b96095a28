#pragma once

#include <optional>
#include <vector>

namespace sg {

// A series that should never rise (measured L* against input level), smoothed so it does not.
struct MonotoneSmoothing {
    std::vector<double> values;
    // 0..1, as smoothingLambda reads it; the one given, or the one the data chose.
    double strength = 0.0;
};

// The smoothing strengths a user or the data can choose, on a logarithmic scale of the
// Whittaker-Eilers lambda: 0 leaves the values as measured, then lambda runs evenly in its
// logarithm from 10^lowestExponent (a whisker) to 10^highestExponent (close to a straight line
// through a whole wedge), whatever the number of values.
struct SmoothingStrength {
    static constexpr double lowestExponent = -10.0;
    static constexpr double highestExponent = 2.0;
    // The strengths the data choose from: steps of a quarter decade.
    static constexpr int choices = 48;

    static double lambdaOf(double strength);
};

// The values smoothed by the Whittaker-Eilers smoother at the given strength, or, when none is
// given, at the strength of the choices (all but 0) whose leave-one-out cross-validation error
// is smallest. A result that still rises somewhere (values out of order, a printer whose black
// turns lighter) is replaced by its closest non-increasing series. Positions strictly rising,
// one positive weight per value.
MonotoneSmoothing monotoneSmoothing(const std::vector<double>& positions,
                                    const std::vector<double>& values,
                                    const std::vector<double>& weights,
                                    std::optional<double> strength);

}  // namespace sg
