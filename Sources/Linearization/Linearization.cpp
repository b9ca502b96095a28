#include "Linearization/Linearization.h"

#include <algorithm>
#include <cmath>

#include "Common/Diagnostics.h"
#include "Common/Numbers.h"
#include "CurveMath/ClosestValue.h"

namespace sg {
namespace {

constexpr std::size_t levels = 256;

std::vector<double> linearizedChannel(const std::vector<double>& channel,
                                      const std::vector<double>& targets,
                                      const std::vector<double>& stepArray, bool reportNonNumbers) {
    std::vector<double> result;
    result.reserve(levels);
    for (std::size_t level = 0; level + 1 < levels; ++level) {
        const double t = targets[level];
        const auto [lo, hi] = bracketStepsIn(stepArray, t);
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
            if (reportNonNumbers) {
                diag("new quad is NaN, y1:" + formatShortest(y1) + " x:" + formatShortest(t) +
                     " x1:" + formatShortest(x1) + " y2:" + formatShortest(y2) +
                     " y1:" + formatShortest(y1) + " x2:" + formatShortest(x2) +
                     " x1:" + formatShortest(x1));
            }
            value = 0.0;
        }
        result.push_back(value);
    }
    result.push_back(channel[levels - 1]);
    result[1] = (result[0] + result[2]) * 0.5;
    return result;
}

}  // namespace

Alert failedToLinearizeAlert() {
    return Alert{"Failed to Linearize",
                 "Please load a valid quad curve file and measurement data file and try again"};
}

std::vector<double> levelPositions(double levelStep) {
    std::vector<double> positions;
    positions.reserve(levels);
    for (std::size_t k = 0; k < levels; ++k) {
        positions.push_back(static_cast<double>(k) * levelStep);
    }
    return positions;
}

std::pair<std::size_t, std::size_t> bracketStepsIn(const std::vector<double>& stepArray,
                                                   double target) {
    const std::size_t closest = indexOfClosestValue(stepArray, target);
    const std::size_t last = stepArray.size() - 1;
    if (stepArray[closest] <= target) {
        return {closest, std::min(closest + 1, last)};
    }
    return {closest == 0 ? 0 : closest - 1, closest};
}

QuadCurve linearizedCurve(const QuadCurve& quad, std::size_t channelCount,
                          const std::vector<double>& targets, const std::vector<double>& stepArray,
                          bool reportNonNumbers) {
    QuadCurve result;
    if (targets.size() + 1 < levels) {
        return result;
    }
    channelCount = std::min(channelCount, quad.size());
    result.reserve(channelCount);
    for (std::size_t ch = 0; ch < channelCount; ++ch) {
        result.push_back(quad[ch].size() < levels
                             ? quad[ch]
                             : linearizedChannel(quad[ch], targets, stepArray, reportNonNumbers));
    }
    return result;
}

std::pair<std::size_t, std::size_t> Linearization::bracketSteps(double target) const {
    return bracketStepsIn(stepArray, target);
}

void Linearization::linearize(const QuadCurve& quad, const std::vector<std::string>& channelNames) {
    linearizedQuadCurve2DArray =
        linearizedCurve(quad, channelNames.size(), targetArray, stepArray, true);
}

}  // namespace sg
