#include "Linearization/CorrectionCurve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "CurveMath/ClosestValue.h"
#include "CurveMath/LumoInterpolateD.h"
#include "CurveMath/MeasurementStepScale.h"
#include "MeasurementData/MovingAverage.h"
#include "MeasurementData/SplineSmoother.h"

namespace sg {
namespace {

constexpr double curveSteps = 256.0;

}  // namespace

double measuredDmaxFromLabL(double labL) {
    double luminance;
    if (labL >= 8.0) {
        const double f = (labL + 16.0) / 116.0;
        luminance = f * f * f;
    } else {
        luminance = labL * 27.0 / 24389.0;
    }
    return -std::log10(luminance);
}

std::vector<double> correctionPositions(const std::vector<double>& densitiesToCorrect,
                                        const std::vector<double>& targets) {
    const std::vector<double>& d = densitiesToCorrect;
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

void CorrectionCurve::runCorrectionPipeline(MeasuredValues& measuredValues,
                                            ManualCurveControl& control, int windowSize,
                                            double splinePercent) {
    const std::vector<double>& labL = *measuredValues.measuredLabL;
    const MeasurementStepScale stepScale = MeasurementStepScale::forPatchCount(labL.size());
    const std::vector<double> resampled =
        LumoInterpolateD(stepScale.scale, labL, "Linear", curveSteps).outputArray;

    measuredValues.originalInterpolatedMeasuredValues = resampled;
    measuredValues.originalInterpolatedMeasuredValues[255] = labL.back();

    const std::vector<double> averaged =
        MovingAverage(measuredValues.originalInterpolatedMeasuredValues, windowSize).averageValues;
    const std::vector<double> smoothed =
        SplineSmoother(averaged, splinePercent).splineSmoothedOutputArray;

    measuredDmax = measuredDmaxFromLabL(labL.back());

    std::vector<double> keyPositions;
    keyPositions.reserve(smoothed.size());
    for (std::size_t i = 1; i <= smoothed.size(); ++i) {
        keyPositions.push_back(static_cast<double>(i));
    }
    densitiesToCorrect = LumoInterpolateD(keyPositions, smoothed, "Spline", curveSteps).outputArray;

    linearTargetArray = makeLinearTarget(resampled);
    makeFinalTarget(control);
    correctionCurveArray = makeCorrectionCurve();
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
    std::vector<double> target;
    target.reserve(n);
    const double step = 100.0 / static_cast<double>(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        target.push_back(static_cast<double>(i) * step * slope + intercept);
    }
    target[std::min<std::size_t>(255, n - 1)] = lo;
    return target;
}

void CorrectionCurve::makeFinalTarget(ManualCurveControl& control) {
    control.updateControlXs();
    control.updateControlYs();
    control.splinedCurvePoints = control.controlCurvePoints();
    finalTargetArray.clear();
    finalTargetArray.reserve(control.splinedCurvePoints.size());
    for (const double point : control.splinedCurvePoints) {
        finalTargetArray.push_back(point * slope + intercept);
    }
}

std::vector<double> CorrectionCurve::makeCorrectionCurve() const {
    return correctionPositions(densitiesToCorrect, finalTargetArray);
}

}  // namespace sg
