#include "Linearization/PositiveCorrectionCurve.h"

#include <cstddef>

#include "Common/InkScale.h"
#include "CurveMath/Resample.h"
#include "Linearization/CorrectionCurve.h"

namespace sg {

void PositiveCorrectionCurve::recompute() {
    std::vector<double> xs;
    xs.reserve(measuredResponse.size());
    for (std::size_t i = 0; i < measuredResponse.size(); ++i) {
        xs.push_back(static_cast<double>(i));
    }
    response =
        resample(xs, measuredResponse, Interpolation::linear, static_cast<double>(levelCount));

    target.clear();
    const std::size_t n = response.size();
    if (n > 0) {
        const double first = response.front();
        const double step = n > 1 ? (response.back() - first) / static_cast<double>(n - 1) : 0.0;
        target.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            target.push_back(first + static_cast<double>(i) * step);
        }
    }

    if (response.size() < 2) {
        positions.reset();
        return;
    }
    positions = correctionPositions(response, target);
}

}  // namespace sg
