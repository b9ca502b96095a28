#include "MeasurementData/SplineSmoother.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "CurveMath/KeyframeSequence.h"
#include "CurveMath/LumoInterpolateD.h"

namespace sg {
namespace {

double fiveValueMean(const std::vector<double>& v, std::size_t centre) {
    return (v[centre - 2] + v[centre - 1] + v[centre] + v[centre + 1] + v[centre + 2]) / 5;
}

}  // namespace

SplineSmoother::SplineSmoother(std::vector<double> inputArray, double percent)
    : inputArray(std::move(inputArray)) {
    const auto n = static_cast<double>(this->inputArray.size());
    pointsToSpline = 0.32 * n - percent * n;
    smooth();
}

void SplineSmoother::smooth() {
    if (inputArray.empty()) {
        return;
    }
    if (pointsToSpline <= 5.0) {
        std::vector<double> positions;
        positions.reserve(inputArray.size());
        for (std::size_t i = 0; i < inputArray.size(); ++i) {
            positions.push_back(static_cast<double>(i));
        }
        splineXPoints = normalisedToUnitRange(positions);
        interpolatedArray = splineResample256(inputArray, splineXPoints);
    } else {
        selectSplinePoints();
        interpolatedArray = splineResample256(splineYPoints, splineXPoints);
    }
    splineSmoothedOutputArray = thinOutput(interpolatedArray);
}

void SplineSmoother::selectSplinePoints() {
    const std::vector<double>& a = inputArray;
    const auto n = static_cast<long long>(a.size());
    // A step below 2 (only from a negative percent) would average values before the first;
    // a step of 0 would never advance.
    const long long step =
        std::max(2LL, static_cast<long long>(static_cast<double>(n) / pointsToSpline));
    std::vector<double> positions{0.0};
    splineYPoints = {a.front()};
    long long idx = 0;
    do {
        idx += step;
        if (idx + 3 < n) {
            splineYPoints.push_back(fiveValueMean(a, static_cast<std::size_t>(idx)));
            positions.push_back(static_cast<double>(idx));
        }
    } while (idx < n - step - 2);
    // The last point sits at n, one step beyond the last index.
    splineYPoints.push_back(a.back());
    positions.push_back(static_cast<double>(n));
    splineXPoints = normalisedToUnitRange(positions);
}

std::vector<double> SplineSmoother::splineResample256(const std::vector<double>& values,
                                                      const std::vector<double>& positions) {
    if (values.empty()) {
        return {};
    }
    const KeyframeSequence sequence(positions, values, InterpolationMode::spline);
    std::vector<double> samples;
    for (const double t : unitSampleTimes(targetStepIntperpPercentage)) {
        samples.push_back(sequence.sampleAtTime(t));
    }
    samples[255] = *std::min_element(values.begin(), values.end());
    return samples;
}

std::vector<double> SplineSmoother::thinOutput(const std::vector<double>& v) {
    if (v.empty()) {
        return {};
    }
    const std::size_t m = v.size();
    std::vector<double> output{v.front()};
    output.reserve(1 + m / 3);
    std::size_t i = 2;
    for (std::size_t repeat = 0; repeat < m / 3; ++repeat, i += 3) {
        output.push_back(i + 2 < m ? fiveValueMean(v, i) : v.back());
    }
    return output;
}

}  // namespace sg
