#include "CurveCreation/InkPartition.h"

#include <cmath>
#include <cstddef>

namespace sg {

std::vector<InkBand> inkBands(const std::vector<InkSettings>& inks) {
    // 0, then the gray values from the lightest ink to the darkest.
    std::vector<double> ladder = {0.0};
    for (auto ink = inks.rbegin(); ink != inks.rend(); ++ink) {
        ladder.push_back(ink->grayValue);
    }
    const std::size_t n = inks.size();
    std::vector<InkBand> bands;
    bands.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const InkSettings& ink = inks[n - 1 - i];
        const double nextDarker = i + 1 < n ? ladder[i + 2] : ladder[i + 1];
        bands.push_back(
            {ladder[i], ladder[i + 1], nextDarker, ink.startingOverlap, ink.endingOverlap});
    }
    return bands;
}

std::vector<std::vector<double>> partitionedInkRamps(const std::vector<InkSettings>& inks,
                                                     RampShape shape) {
    std::vector<std::vector<double>> ramps;
    for (const InkBand& band : inkBands(inks)) {
        ramps.push_back(singleInkRamp(band, shape));
    }
    return ramps;
}

std::vector<std::vector<double>> stepBalancedRamps(const std::vector<std::vector<double>>& ramps) {
    if (ramps.size() < 2) {
        return ramps;
    }
    const std::size_t length = ramps.front().size();
    std::vector<double> sum(length, 0.0);
    for (const std::vector<double>& ramp : ramps) {
        for (std::size_t j = 0; j < length; ++j) {
            sum[j] += ramp[j];
        }
    }
    std::vector<std::vector<double>> balanced;
    balanced.reserve(ramps.size());
    for (const std::vector<double>& ramp : ramps) {
        std::vector<double> scaled(length);
        for (std::size_t j = 0; j < length; ++j) {
            const double v = ramp[j];
            const double difference = static_cast<double>(j) - sum[j];
            const double value = v + v / sum[j] * difference;
            scaled[j] = std::isfinite(value) ? value : 0.0;
        }
        balanced.push_back(std::move(scaled));
    }
    return balanced;
}

std::vector<std::vector<double>> balancedInkRamps(const std::vector<std::vector<double>>& ramps) {
    if (ramps.size() < 2) {
        return ramps;
    }
    std::vector<std::vector<double>> balanced = stepBalancedRamps(ramps);
    for (std::vector<double>& ramp : balanced) {
        ramp = threePointSmoothed(ramp);
    }
    return balanced;
}

}  // namespace sg
