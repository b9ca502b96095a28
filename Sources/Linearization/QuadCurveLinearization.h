#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "Linearization/Linearization.h"
#include "QuadFiles/QuadCurve.h"

namespace sg {

// The linearization inside automatic curve creation: the same reading of every channel at the
// corrected positions, with the level step written to ten decimals (so the last level sits at
// 99.9999999885), every channel of the curve processed and no diagnostic lines. Computed by
// the constructor.
class QuadCurveLinearization {
public:
    static constexpr double levelStep = 0.3921568627;

    QuadCurveLinearization(std::vector<double> correction, QuadCurve quad);

    QuadCurve quadToLinearize;
    std::vector<double> targetArray;
    QuadCurve linearizedQuadCurve2DArray;
    std::vector<double> stepArray = levelPositions(levelStep);

    std::pair<std::size_t, std::size_t> bracketSteps(double target) const;
};

}  // namespace sg
