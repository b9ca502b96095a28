#include "Linearization/PredictedLinearity.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "Common/InkScale.h"
#include "Common/Numbers.h"

namespace sg {

PredictedLinearity PredictedLinearity::of(const MeasuredResponse& response,
                                          const CorrectionCurve& correction) {
    const std::vector<double>& positions = *correction.positions;
    std::vector<double> levels(levelCount);
    for (std::size_t k = 0; k < levelCount; ++k) {
        levels[k] = positions[k] / levelStepPercent;
    }
    levels[lastLevel] = static_cast<double>(lastLevel);

    PredictedLinearity predicted;
    double sum = 0.0;
    for (std::size_t k = 0; k < levelCount; ++k) {
        const double deviation = std::abs(response.lightnessAt(levels[k]) - correction.target[k]);
        predicted.maximumDeviation = std::max(predicted.maximumDeviation, deviation);
        sum += deviation;
    }
    predicted.meanDeviation = sum / static_cast<double>(levelCount);
    return predicted;
}

std::string PredictedLinearity::maximumDeviationText() const {
    return formatFixed(maximumDeviation, 2);
}

std::string PredictedLinearity::meanDeviationText() const {
    return formatFixed(meanDeviation, 2);
}

}  // namespace sg
