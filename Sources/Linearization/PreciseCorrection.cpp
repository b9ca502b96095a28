#include "Linearization/PreciseCorrection.h"

#include <algorithm>
#include <cstddef>

#include "Common/InkScale.h"
#include "CurveMath/KeyframeSequence.h"

namespace sg {
namespace {

template <typename Curve>
std::vector<double> atEveryLevel(const Curve& valueAt) {
    std::vector<double> values;
    values.reserve(levelCount);
    for (std::size_t level = 0; level < levelCount; ++level) {
        values.push_back(valueAt(static_cast<double>(level)));
    }
    return values;
}

}  // namespace

CorrectionCurve preciseCorrection(const std::vector<double>& lightness,
                                  const MeasuredResponse& response,
                                  ToneControlPoints& controlPoints) {
    CorrectionCurve correction;
    const KeyframeSequence measured(response.levels(), response.measured(), Interpolation::linear);
    correction.resampledLightness =
        atEveryLevel([&](double level) { return measured.sampleAtTime(level); });
    correction.smoothedResponse =
        atEveryLevel([&](double level) { return response.lightnessAt(level); });
    correction.linearTarget = correction.makeLinearTarget(correction.smoothedResponse);
    correction.maximumDensity = densityFromLightness(lightness.back());
    retargetPrecisely(correction, response, controlPoints);
    return correction;
}

void retargetPrecisely(CorrectionCurve& correction, const MeasuredResponse& response,
                       ToneControlPoints& controlPoints) {
    correction.makeTarget(controlPoints);
    std::vector<double> positions;
    positions.reserve(correction.target.size());
    const bool falls = correction.slope < 0.0;
    for (std::size_t k = 0; k < correction.target.size(); ++k) {
        const double level = falls ? response.levelReaching(correction.target[k])
                                   : static_cast<double>(std::min(k, lastLevel));
        positions.push_back(std::clamp(level * levelStepPercent, 0.0, 100.0));
    }
    correction.positions = std::move(positions);
}

}  // namespace sg
