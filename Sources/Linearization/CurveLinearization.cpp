#include "Linearization/CurveLinearization.h"

#include <algorithm>
#include <cmath>

#include "Common/Diagnostics.h"
#include "Common/InkScale.h"
#include "Common/Numbers.h"
#include "CurveMath/ClosestValue.h"

namespace sg {
namespace {

using Brackets = std::vector<std::pair<std::size_t, std::size_t>>;

std::vector<double> linearizedChannel(const std::vector<double>& channel,
                                      const std::vector<double>& targets,
                                      const std::vector<double>& stepArray,
                                      const Brackets& brackets, NonNumbers nonNumbers) {
    std::vector<double> result;
    result.reserve(levelCount);
    for (std::size_t level = 0; level + 1 < levelCount; ++level) {
        const double t = targets[level];
        const auto [lo, hi] = brackets[level];
        const double x1 = stepArray[lo];
        const double x2 = stepArray[hi];
        const double y1 = channel[lo];
        const double y2 = channel[hi];
        double value;
        if (y1 == 0.0 && y2 == 0.0) {
            value = 0.0;
        } else if (lo == hi) {
            value = y1;
        } else {
            value = (y2 - y1) / (x2 - x1) * (t - x1) + y1;
        }
        if (!std::isfinite(value)) {
            if (nonNumbers == NonNumbers::reported) {
                diag("new quad is NaN, y1:" + formatShortest(y1) + " x:" + formatShortest(t) +
                     " x1:" + formatShortest(x1) + " y2:" + formatShortest(y2) +
                     " y1:" + formatShortest(y1) + " x2:" + formatShortest(x2) +
                     " x1:" + formatShortest(x1));
            }
            value = 0.0;
        }
        result.push_back(value);
    }
    result.push_back(channel[levelCount - 1]);
    result[1] = (result[0] + result[2]) * 0.5;
    return result;
}

}  // namespace

std::vector<double> levelPositions(double levelStep) {
    std::vector<double> positions;
    positions.reserve(levelCount);
    for (std::size_t k = 0; k < levelCount; ++k) {
        positions.push_back(static_cast<double>(k) * levelStep);
    }
    return positions;
}

std::pair<std::size_t, std::size_t> bracketingLevels(const std::vector<double>& stepArray,
                                                     double target) {
    const std::size_t closest = indexOfClosestRisingValue(stepArray, target);
    const std::size_t last = stepArray.size() - 1;
    if (stepArray[closest] <= target) {
        return {closest, std::min(closest + 1, last)};
    }
    return {closest == 0 ? 0 : closest - 1, closest};
}

QuadCurve linearizedCurve(const QuadCurve& curve, const std::vector<double>& correction,
                          const std::vector<double>& levelPositions, NonNumbers nonNumbers) {
    QuadCurve result;
    if (correction.size() + 1 < levelCount) {
        return result;
    }
    // The brackets depend on the correction only: found once, not once per channel.
    Brackets brackets;
    brackets.reserve(lastLevel);
    for (std::size_t level = 0; level < lastLevel; ++level) {
        brackets.push_back(bracketingLevels(levelPositions, correction[level]));
    }
    result.reserve(curve.size());
    for (const std::vector<double>& channel : curve) {
        result.push_back(
            channel.size() < levelCount
                ? channel
                : linearizedChannel(channel, correction, levelPositions, brackets, nonNumbers));
    }
    return result;
}

}  // namespace sg
