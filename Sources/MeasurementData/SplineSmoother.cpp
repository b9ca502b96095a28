#include "MeasurementData/SplineSmoother.h"

#include <algorithm>
#include <cstddef>

#include "CurveMath/KeyframeSequence.h"
#include "CurveMath/Resample.h"

namespace sg {
namespace {

constexpr double sampleStep = 0.00390625;  // exactly 1/256

double fiveValueMean(const std::vector<double>& v, std::size_t centre) {
    return (v[centre - 2] + v[centre - 1] + v[centre] + v[centre + 1] + v[centre + 2]) / 5;
}

}  // namespace

SplineKeys splineSmootherKeys(const std::vector<double>& values, double argument) {
    const auto n = static_cast<long long>(values.size());
    const double points = 0.32 * static_cast<double>(n) - argument * static_cast<double>(n);
    std::vector<double> positions;
    SplineKeys keys;
    if (points <= 5.0) {
        for (long long i = 0; i < n; ++i) {
            positions.push_back(static_cast<double>(i));
        }
        keys.values = values;
    } else {
        // A step below 2 (only from a negative argument) would average values before the
        // first; a step of 0 would never advance.
        const long long step =
            std::max(2LL, static_cast<long long>(static_cast<double>(n) / points));
        positions.push_back(0.0);
        keys.values.push_back(values.front());
        long long idx = 0;
        do {
            idx += step;
            if (idx + 3 < n) {
                keys.values.push_back(fiveValueMean(values, static_cast<std::size_t>(idx)));
                positions.push_back(static_cast<double>(idx));
            }
        } while (idx < n - step - 2);
        keys.values.push_back(values.back());
        positions.push_back(static_cast<double>(n));
    }
    keys.positions = normalisedToUnitRange(positions);
    return keys;
}

std::vector<double> splineThroughKeys(const SplineKeys& keys) {
    if (keys.values.empty()) {
        return {};
    }
    const KeyframeSequence sequence(keys.positions, keys.values, Interpolation::spline);
    std::vector<double> samples;
    for (const double t : unitSampleTimes(sampleStep)) {
        samples.push_back(sequence.sampleAtTime(t));
    }
    samples[255] = *std::min_element(keys.values.begin(), keys.values.end());
    return samples;
}

std::vector<double> thinnedOutput(const std::vector<double>& samples) {
    if (samples.empty()) {
        return {};
    }
    const std::size_t m = samples.size();
    std::vector<double> output{samples.front()};
    output.reserve(1 + m / 3);
    std::size_t i = 2;
    for (std::size_t repeat = 0; repeat < m / 3; ++repeat, i += 3) {
        output.push_back(i + 2 < m ? fiveValueMean(samples, i) : samples.back());
    }
    return output;
}

std::vector<double> splineSmoothed(const std::vector<double>& values, double argument) {
    if (values.empty()) {
        return {};
    }
    return thinnedOutput(splineThroughKeys(splineSmootherKeys(values, argument)));
}

}  // namespace sg
