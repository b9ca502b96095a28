#include "CurveMath/LumoInterpolateD.h"

#include <algorithm>

#include "Common/Diagnostics.h"
#include "CurveMath/KeyframeSequence.h"

namespace sg {

std::vector<double> unitSampleTimes(double step) {
    std::vector<double> times;
    if (!(step > 0.0)) {
        return times;
    }
    for (std::size_t k = 0;; ++k) {
        const double t = static_cast<double>(k) * step;
        if (t >= 1.0) {
            return times;
        }
        times.push_back(t);
    }
}

std::vector<double> normalisedToUnitRange(const std::vector<double>& values) {
    if (values.empty()) {
        return {};
    }
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    const double lo = *lowest;
    const double range = *highest - lo;
    std::vector<double> normalised;
    if (!(range > 0.0)) {
        // One position, or all at the same place: nothing to spread; all keys coincide.
        normalised.assign(values.size(), 0.0);
        return normalised;
    }
    normalised.reserve(values.size());
    for (const double value : values) {
        normalised.push_back((value - lo) / range);
    }
    return normalised;
}

LumoInterpolateD::LumoInterpolateD(const std::vector<double>& xs, const std::vector<double>& ys,
                                   const std::string& interpolationType, double steps)
    : inputXs(normalisedToUnitRange(xs)), inputYs(ys), interpolationStepValue(1.0 / steps) {
    InterpolationMode mode;
    if (interpolationType == "Linear") {
        mode = InterpolationMode::linear;
    } else if (interpolationType == "Spline") {
        mode = InterpolationMode::spline;
    } else {
        diag("needs correct interpolation type");
        return;
    }
    // Nothing to sample; the sequence needs a key.
    if (inputXs.empty() || inputYs.empty()) {
        return;
    }
    const KeyframeSequence sequence(inputXs, inputYs, mode);
    const std::vector<double> times = unitSampleTimes(interpolationStepValue);
    outputArray.reserve(times.size());
    for (const double t : times) {
        const double value = sequence.sampleAtTime(t);
        if (mode == InterpolationMode::spline && !(value >= 0.0)) {
            outputArray.push_back(0.0);
        } else {
            outputArray.push_back(value);
        }
    }
}

}  // namespace sg
