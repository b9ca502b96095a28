#include "CurveTools/CurveLimiter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "Common/Numbers.h"
#include "CurveMath/LumoInterpolateD.h"

namespace sg {
namespace {

constexpr int highestLevel = 255;
constexpr std::size_t levelCount = 256;

}  // namespace

CurveLimiter::CurveLimiter() : CurveLimiter(builtInRampCurve(), 0, highestLevel) {}

CurveLimiter::CurveLimiter(QuadCurve curve, int low, int high) : inputCurve(std::move(curve)) {
    setLimits(low, high);
}

QuadCurve CurveLimiter::builtInRampCurve() {
    QuadCurve curve(8, std::vector<double>(levelCount, 0.0));
    for (std::size_t i = 0; i < levelCount; ++i) {
        curve[0][i] = static_cast<double>(i) * 256.0;
    }
    return curve;
}

int CurveLimiter::lowLimitForSelection(double start) {
    return static_cast<int>(clampedFraction(start) * 255.0);
}

int CurveLimiter::highLimitForSelection(double end) {
    return static_cast<int>(clampedFraction(end) * 256.0);
}

void CurveLimiter::setLimits(int low, int high) {
    high = std::clamp(high, 0, highestLevel);
    low = std::clamp(low, 0, high);
    const auto span = static_cast<std::size_t>(high - low);

    std::vector<double> xValues;
    xValues.reserve(span + 1);
    for (std::size_t k = 0; k <= span; ++k) {
        // With a single level there is nothing to normalise by; its one position is 0.
        xValues.push_back(span == 0 ? 0.0 : static_cast<double>(k) / static_cast<double>(span));
    }

    QuadCurve parts;
    QuadCurve results;
    parts.reserve(inputCurve.size());
    results.reserve(inputCurve.size());
    for (const std::vector<double>& channel : inputCurve) {
        std::vector<double> part;
        part.reserve(span + 1);
        for (std::size_t level = static_cast<std::size_t>(low);
             level <= static_cast<std::size_t>(high); ++level) {
            // Loaded channels always hold 256 values; a short one reads as 0 beyond its end.
            part.push_back(level < channel.size() ? channel[level] : 0.0);
        }
        if (span == 0) {
            results.emplace_back(levelCount, part.front());
        } else {
            results.push_back(LumoInterpolateD(xValues, part, "Linear", 256.0).outputArray);
        }
        parts.push_back(std::move(part));
    }

    mainLowLimit = low;
    mainHighLimit = high;
    limitXValues = std::move(xValues);
    outputLimitCurve = std::move(parts);
    limitedCurves = std::move(results);
}

}  // namespace sg
