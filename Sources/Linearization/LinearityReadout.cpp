#include "Linearization/LinearityReadout.h"

#include <algorithm>
#include <cmath>

#include "Common/Numbers.h"

namespace sg {

LinearityReadout LinearityReadout::fromSeries(const std::vector<double>& labL) {
    LinearityReadout readout;
    const std::size_t n = labL.size();
    if (n == 0) {
        return readout;
    }
    const double first = labL.front();
    const double span = labL.back() - first;
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double line =
            n > 1 ? first + span * static_cast<double>(i) / static_cast<double>(n - 1) : first;
        const double deviation = std::abs(labL[i] - line);
        readout.maximumDeviation = std::max(readout.maximumDeviation, deviation);
        sum += deviation;
    }
    readout.meanDeviation = sum / static_cast<double>(n);
    for (std::size_t i = 1; i < n; ++i) {
        const double rise = labL[i] - labL[i - 1];
        if (rise > patchOrderTolerance) {
            readout.firstRisingPatch = i + 1;
            readout.rise = rise;
            break;
        }
    }
    return readout;
}

std::string LinearityReadout::maximumDeviationText() const {
    return formatFixed(maximumDeviation, 1);
}

std::string LinearityReadout::meanDeviationText() const {
    return formatFixed(meanDeviation, 1);
}

std::string LinearityReadout::warningText() const {
    if (!firstRisingPatch) {
        return {};
    }
    const std::size_t patch = *firstRisingPatch;
    return "Patch " + std::to_string(patch) + " is lighter than patch " +
           std::to_string(patch - 1) + " by " + formatFixed(rise, 1) +
           " L*: check the patch order.";
}

}  // namespace sg
