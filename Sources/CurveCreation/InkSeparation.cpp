#include "CurveCreation/InkSeparation.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

#include "Common/Numbers.h"
#include "CurveCreation/SingleInkRamp.h"
#include "CurveMath/Resample.h"

namespace sg {
namespace {

constexpr double inkCurveSteps = 101.0;

std::vector<double> stepScale(std::size_t count, double divisor) {
    std::vector<double> xs;
    xs.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        xs.push_back(static_cast<double>(k) / divisor);
    }
    return xs;
}

// Where the curve passes the tone, in percent of its length: the first pair of neighbouring
// entries that falls past it, interpolated linearly; none when no pair does.
std::optional<double> passage(const std::vector<double>& curve, double tone) {
    for (std::size_t p = 0; p + 1 < curve.size(); ++p) {
        const double a = curve[p];
        const double b = curve[p + 1];
        if (a >= tone && tone >= b && a > b) {
            return (static_cast<double>(p) + (tone - a) / (b - a)) * 100.0 /
                   static_cast<double>(curve.size() - 1);
        }
    }
    return std::nullopt;
}

}  // namespace

const std::vector<double> builtInSeparationChart = {99.9, 95.0, 90.0, 85.0, 80.0, 75.0, 70.0,
                                                    65.0, 60.0, 55.0, 50.0, 45.0, 40.0, 35.0,
                                                    30.0, 25.0, 20.0, 15.0, 10.0, 5.0,  0.1};

std::vector<std::vector<double>> separatedInkCurves(const std::vector<double>& measurements) {
    const std::size_t inkCount = measurements.size() / separationStepCount;
    const std::vector<double> steps = stepScale(separationStepCount, 1.0);
    std::vector<std::vector<double>> curves;
    curves.reserve(inkCount);
    for (std::size_t ink = 0; ink < inkCount; ++ink) {
        std::vector<double> values;
        values.reserve(separationStepCount);
        for (std::size_t step = 0; step < separationStepCount; ++step) {
            values.push_back(measurements[step * inkCount + ink]);
        }
        std::vector<double> curve =
            resample(steps, threePointSmoothed(values), Interpolation::spline, inkCurveSteps);
        if (curve.back() > curve.front()) {
            std::reverse(curve.begin(), curve.end());
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}

std::vector<double> limitedInkCurve(const std::vector<double>& inkCurve, int limit) {
    const auto cut = static_cast<std::size_t>(std::clamp(limit, 1, 100));
    const std::vector<double> xs = stepScale(cut + 1, static_cast<double>(cut));
    const std::vector<double> ys(inkCurve.begin(),
                                 inkCurve.begin() + static_cast<std::ptrdiff_t>(cut + 1));
    return resample(xs, ys, Interpolation::spline, static_cast<double>(rampLength));
}

Result<std::vector<double>> crossoverPoints(const std::vector<std::vector<double>>& limitedCurves) {
    std::vector<double> points = {100.0};
    for (std::size_t i = 0; i + 1 < limitedCurves.size(); ++i) {
        const double tone = limitedCurves[i + 1].back();
        const std::optional<double> share = passage(limitedCurves[i], tone);
        if (!share) {
            return Alert{"Failed to Create Curve",
                         "The curve of ink " + std::to_string(i + 1) + " never passes L* " +
                             formatFixed(tone, 1) + ", the darkest tone of ink " +
                             std::to_string(i + 2) + " at its limit, so ink " +
                             std::to_string(i + 2) +
                             " gets no gray value. Each ink at its limit must be darker than the "
                             "next one at its limit, the darkest ink first."};
        }
        points.push_back(points.back() * *share / 100.0);
    }
    return points;
}

}  // namespace sg
