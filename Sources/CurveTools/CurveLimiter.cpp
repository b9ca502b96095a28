#include "CurveTools/CurveLimiter.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "Common/InkScale.h"
#include "Common/Numbers.h"

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

    QuadCurve trimmed;
    trimmed.reserve(curve_.size());
    for (const std::vector<double>& channel : curve_) {
        // Loaded channels always hold 256 values; a short one reads as 0 beyond its end.
        const auto valueAt = [&](std::size_t level) {
            return level < channel.size() ? channel[level] : 0.0;
        };
        std::vector<double> levels;
        levels.reserve(levelCount);
        for (std::size_t k = 0; k < levelCount; ++k) {
            // Position low + k/255 * span, as a whole level and the remainder in 255ths, so a
            // whole level reads its value exactly and the full range gives the curve back.
            const std::size_t steps = k * span;
            const std::size_t level = static_cast<std::size_t>(low) + steps / lastLevel;
            const std::size_t remainder = steps % lastLevel;
            double value = valueAt(level);
            if (remainder != 0) {
                const double fraction =
                    static_cast<double>(remainder) / static_cast<double>(lastLevel);
                value += (valueAt(level + 1) - value) * fraction;
            }
            levels.push_back(value);
        }
        trimmed.push_back(std::move(levels));
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
