#pragma once

#include <string>
#include <vector>

namespace sg {

// Resamples an x/y series to N values at equal steps across the x range: the samples lie at
// k/N of the normalised x range for k = 0, 1, ... while k/N < 1, so the largest x is never
// sampled itself. Every tool relies on exactly this sampling. The type is "Linear" or
// "Spline"; spline samples below zero (and non-numbers) become 0. Any other type gives an
// empty result and a diagnostic line.
class LumoInterpolateD {
public:
    LumoInterpolateD(const std::vector<double>& xs, const std::vector<double>& ys,
                     const std::string& interpolationType, double steps);

    std::vector<double> inputXs;
    std::vector<double> inputYs;
    double interpolationStepValue = 0.0;
    std::vector<double> outputArray;
};

// The sample times k * step for k = 0, 1, ... while below 1.0, each computed as a product.
std::vector<double> unitSampleTimes(double step);

// The values normalised to 0..1 between their smallest and largest.
std::vector<double> normalisedToUnitRange(const std::vector<double>& values);

}  // namespace sg
