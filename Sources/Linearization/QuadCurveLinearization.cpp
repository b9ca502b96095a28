#include "Linearization/QuadCurveLinearization.h"

namespace sg {

QuadCurveLinearization::QuadCurveLinearization(std::vector<double> correction, QuadCurve quad)
    : quadToLinearize(std::move(quad)), targetArray(std::move(correction)) {
    // Non-numbers become 0 silently here: the writer must only ever see numbers.
    linearizedQuadCurve2DArray =
        linearizedCurve(quadToLinearize, quadToLinearize.size(), targetArray, stepArray, false);
}

std::pair<std::size_t, std::size_t> QuadCurveLinearization::bracketSteps(double target) const {
    return bracketStepsIn(stepArray, target);
}

}  // namespace sg
