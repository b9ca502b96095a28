#include "CurveTools/CurveLimiter.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "Common/InkScale.h"
#include "Common/Numbers.h"
#include "CurveMath/Resample.h"

namespace sg {

CurveLimiter::CurveLimiter() : CurveLimiter(builtInRampCurve(), 0, static_cast<int>(lastLevel)) {}

CurveLimiter::CurveLimiter(QuadCurve curve, int lowLevel, int highLevel)
    : curve_(std::move(curve)) {
    setLimits(lowLevel, highLevel);
}

QuadCurve CurveLimiter::builtInRampCurve() {
    QuadCurve curve(8, std::vector<double>(levelCount, 0.0));
    for (std::size_t i = 0; i < levelCount; ++i) {
        curve[0][i] = static_cast<double>(i) * 256.0;
    }
    return curve;
}

int CurveLimiter::lowLevelForSelection(double start) {
    return static_cast<int>(clampedFraction(start) * 255.0);
}

int CurveLimiter::highLevelForSelection(double end) {
    return static_cast<int>(clampedFraction(end) * 256.0);
}

void CurveLimiter::setLimits(int lowLevel, int highLevel) {
    const int high = std::clamp(highLevel, 0, static_cast<int>(lastLevel));
    const int low = std::clamp(lowLevel, 0, high);
    const auto span = static_cast<std::size_t>(high - low);

    std::vector<double> positions;
    positions.reserve(span + 1);
    for (std::size_t k = 0; k <= span; ++k) {
        // With a single level there is nothing to normalise by; its one position is 0.
        positions.push_back(span == 0 ? 0.0 : static_cast<double>(k) / static_cast<double>(span));
    }

    QuadCurve trimmed;
    trimmed.reserve(curve_.size());
    for (const std::vector<double>& channel : curve_) {
        std::vector<double> part;
        part.reserve(span + 1);
        for (auto level = static_cast<std::size_t>(low); level <= static_cast<std::size_t>(high);
             ++level) {
            // Loaded channels always hold 256 values; a short one reads as 0 beyond its end.
            part.push_back(level < channel.size() ? channel[level] : 0.0);
        }
        if (span == 0) {
            trimmed.emplace_back(levelCount, part.front());
        } else {
            trimmed.push_back(
                resample(positions, part, Interpolation::linear, static_cast<double>(levelCount)));
        }
    }

    lowLevel_ = low;
    highLevel_ = high;
    trimmedCurve_ = std::move(trimmed);
}

void CurveLimiter::zeroFirstValues() {
    for (std::vector<double>& channel : trimmedCurve_) {
        if (!channel.empty()) {
            channel.front() = 0.0;
        }
    }
}

}  // namespace sg
