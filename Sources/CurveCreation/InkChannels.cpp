#include "CurveCreation/InkChannels.h"

#include <cmath>
#include <cstddef>

#include "Common/InkScale.h"
#include "CurveCreation/InkPartition.h"
#include "CurveMath/Resample.h"

namespace sg {

std::vector<double> quadInkChannel(const std::vector<double>& balancedRamp, double inkLimit,
                                   double grayValue) {
    std::vector<double> limited;
    limited.reserve(balancedRamp.size());
    for (const double v : balancedRamp) {
        const double value = v * inkLimit / grayValue * inkValuePerPercent;
        limited.push_back(std::isfinite(value) ? value : 0.0);
    }
    return resampleByIndex(limited, Interpolation::linear, static_cast<double>(levelCount));
}

double effectiveInkLimit(const InkSettings& ink) {
    return ink.hardwareLimit / 100.0 * ink.inkLimit;
}

QuadCurve inkChannels(const std::vector<InkSettings>& inks, RampShape shape) {
    const std::vector<std::vector<double>> balanced =
        balancedInkRamps(partitionedInkRamps(inks, shape));
    QuadCurve channels;
    channels.reserve(inks.size());
    for (std::size_t slot = 0; slot < inks.size(); ++slot) {
        const InkSettings& ink = inks[slot];
        channels.push_back(quadInkChannel(balanced[inks.size() - 1 - slot], effectiveInkLimit(ink),
                                          ink.grayValue));
    }
    return channels;
}

std::vector<std::string> inkNamesOf(const std::vector<InkSettings>& inks) {
    std::vector<std::string> names;
    names.reserve(inks.size());
    for (const InkSettings& ink : inks) {
        names.push_back(ink.inkName);
    }
    return names;
}

}  // namespace sg
