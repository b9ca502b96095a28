#include "Linearization/PositiveCorrectionCurve.h"

#include <cstddef>

#include "CurveMath/LumoInterpolateD.h"
#include "Linearization/CorrectionCurve.h"

namespace sg {

void PositiveCorrectionCurve::makeDensitiesToCorrect() {
    std::vector<double> xs;
    xs.reserve(measuredDensities.size());
    for (std::size_t i = 0; i < measuredDensities.size(); ++i) {
        xs.push_back(static_cast<double>(i));
    }
    densitiesToCorrect = LumoInterpolateD(xs, measuredDensities, "Linear", 256.0).outputArray;
}

void PositiveCorrectionCurve::makeLinearTarget() {
    finalTargetArray.clear();
    const std::size_t n = densitiesToCorrect.size();
    if (n == 0) {
        return;
    }
    const double first = densitiesToCorrect.front();
    const double step =
        n > 1 ? (densitiesToCorrect.back() - first) / static_cast<double>(n - 1) : 0.0;
    finalTargetArray.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        finalTargetArray.push_back(first + static_cast<double>(i) * step);
    }
}

void PositiveCorrectionCurve::makeCorrectionCurve() {
    if (densitiesToCorrect.size() < 2 || finalTargetArray.size() < 2) {
        correctionCurveArray.reset();
        return;
    }
    correctionCurveArray = correctionPositions(densitiesToCorrect, finalTargetArray);
}

void PositiveCorrectionCurve::recompute() {
    makeDensitiesToCorrect();
    makeLinearTarget();
    makeCorrectionCurve();
}

}  // namespace sg
