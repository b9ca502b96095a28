#include "CurveMath/Resample.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace sg {

std::vector<double> unitSampleTimes(double step) {
    std::vector<double> times;
    // An infinite step (zero steps asked for) would sample at 0 * inf, not a time at all.
    if (!(step > 0.0) || std::isinf(step)) {
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

std::vector<double> resample(const std::vector<double>& xs, const std::vector<double>& ys,
                             Interpolation mode, double steps) {
    const std::vector<double> times = normalisedToUnitRange(xs);
    std::vector<double> samples;
    if (times.empty() || ys.empty()) {
        return samples;
    }
    const KeyframeSequence sequence(times, ys, mode);
    const std::vector<double> sampleTimes = unitSampleTimes(1.0 / steps);
    samples.reserve(sampleTimes.size());
    for (const double t : sampleTimes) {
        const double value = sequence.sampleAtTime(t);
        if (mode == Interpolation::spline && !(value >= 0.0)) {
            samples.push_back(0.0);
        } else {
            samples.push_back(value);
        }
    }
    return samples;
}

std::vector<double> resampleByIndex(const std::vector<double>& values, Interpolation mode,
                                    double steps) {
    std::vector<double> xs;
    xs.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        xs.push_back(static_cast<double>(i));
    }
    return resample(xs, values, mode, steps);
}

}  // namespace sg
