#include "Linearization/CorrectionCurve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "Common/InkScale.h"
#include "CurveMath/ClosestValue.h"
#include "CurveMath/MeasurementStepScale.h"
#include "CurveMath/Resample.h"
#include "MeasurementData/Lightness.h"
#include "MeasurementData/MovingAverage.h"
#include "MeasurementData/SplineSmoother.h"

namespace sg {

double densityFromLightness(double lightness) {
    return -std::log10(luminanceFromLightness(lightness));
}

std::vector<double> correctionPositions(const std::vector<double>& response,
                                        const std::vector<double>& targets) {
    const std::vector<double>& d = response;
    std::vector<double> result;
    if (targets.empty()) {
        return result;
    }
    result.reserve(targets.size());
    result.push_back(0.0);
    if (d.size() >= 2) {
        const std::size_t last = d.size() - 1;
        const double step = 100.0 / static_cast<double>(last);
        for (std::size_t k = 1; k + 1 < targets.size(); ++k) {
            const double t = targets[k];
            const std::size_t found = indexOfClosestValue(d, t);
            const double closest = d[found];
            // Unlike the level lookup of the linearization, a target equal to the closest value
            // is bracketed with the level before it; the last bit of the result depends on it.
            std::size_t level;
            double lower;
            double upper;
            if (closest > t) {
                // t lies beyond the closest value, towards the dark end.
                level = found;
                lower = closest;
                upper = d[std::min(found + 1, last)];
            } else {
                level = found == 0 ? 0 : found - 1;
                lower = d[level];
                upper = closest;
            }
            double position = static_cast<double>(level) * step;
            if (upper != lower) {
                position += (t - lower) * step / (upper - lower);
            }
            if (!std::isfinite(position)) {
                position = static_cast<double>(level) * step;
            }
            result.push_back(std::clamp(position, 0.0, 100.0));
        }
    } else {
        // A response of one value reaches every target at the start.
        for (std::size_t k = 1; k + 1 < targets.size(); ++k) {
            result.push_back(0.0);
        }
    }
    if (targets.size() >= 2) {
        result.push_back(100.0);
    }
    return result;
}

void CorrectionCurve::run(const std::vector<double>& lightness, ToneControlPoints& controlPoints,
                          int windowSize, double splineArgument) {
    const auto steps = static_cast<double>(levelCount);
    const std::vector<double> resampled =
        resample(measurementStepScale(lightness.size()), lightness, Interpolation::linear, steps);

    resampledLightness = resampled;
    resampledLightness[lastLevel] = lightness.back();

    const std::vector<double> smoothed =
        splineSmoothed(movingAverage(resampledLightness, windowSize), splineArgument);

    maximumDensity = densityFromLightness(lightness.back());

    // The 86 smoothed values back onto 256 levels, as keys at 1, 2, ... 86.
    std::vector<double> keyPositions;
    keyPositions.reserve(smoothed.size());
    for (std::size_t i = 1; i <= smoothed.size(); ++i) {
        keyPositions.push_back(static_cast<double>(i));
    }
    smoothedResponse = resample(keyPositions, smoothed, Interpolation::spline, steps);

    linearTarget = makeLinearTarget(resampled);
    retarget(controlPoints);
}

void CorrectionCurve::retarget(ToneControlPoints& controlPoints) {
    makeTarget(controlPoints);
    positions = correctionPositions(smoothedResponse, target);
}

void CorrectionCurve::makeTarget(ToneControlPoints& controlPoints) {
    controlPoints.updateKeys();
    const std::vector<double> curve = controlPoints.sampledCurve();
    target.clear();
    target.reserve(curve.size());
    for (const double point : curve) {
        target.push_back(point * slope + intercept);
    }
}

std::vector<double> CorrectionCurve::makeLinearTarget(const std::vector<double>& series) {
    if (series.empty()) {
        return {};
    }
    const auto [lowest, highest] = std::minmax_element(series.begin(), series.end());
    const double lo = *lowest;
    const double hi = *highest;
    intercept = hi;
    slope = (lo - hi) / 100.0;
    const std::size_t n = series.size();
    std::vector<double> line;
    line.reserve(n);
    const double step = 100.0 / static_cast<double>(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        line.push_back(static_cast<double>(i) * step * slope + intercept);
    }
    line[std::min(lastLevel, n - 1)] = lo;
    return line;
}

}  // namespace sg
