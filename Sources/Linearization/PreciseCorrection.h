#pragma once

#include <vector>

#include "Linearization/CorrectionCurve.h"
#include "Linearization/MeasuredResponse.h"
#include "Linearization/ToneControlPoints.h"

namespace sg {

// The precise method, in the fields the standard one fills: the measured patches joined at
// their own levels, the smoothed response at every level, the straight line between the
// response's two ends bent by the control points, and for every target the position (percent)
// at which the response reaches it, found on the response itself rather than between levels.
// A response that does not fall leaves every level where it is.
CorrectionCurve preciseCorrection(const std::vector<double>& lightness,
                                  const MeasuredResponse& response,
                                  ToneControlPoints& controlPoints);

// The target and the positions again after the control points changed.
void retargetPrecisely(CorrectionCurve& correction, const MeasuredResponse& response,
                       ToneControlPoints& controlPoints);

}  // namespace sg
