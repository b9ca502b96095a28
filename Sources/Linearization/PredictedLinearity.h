#pragma once

#include <string>

#include "Linearization/CorrectionCurve.h"
#include "Linearization/MeasuredResponse.h"

namespace sg {

// What the next print of the linearized curve should measure, if the printer prints as the
// smoothed response says: each level printed at the position its correction reads the curve at
// (level 255 at itself, as the linearization keeps it), compared with the target of that
// level. The measured wedge's linearity is LinearityReadout; this is the expected result of a
// correction method, as exact as the response between the patches.
class PredictedLinearity {
public:
    // Requires a correction with positions and a target for every level.
    static PredictedLinearity of(const MeasuredResponse& response,
                                 const CorrectionCurve& correction);

    double maximumDeviation = 0.0;  // largest expected |dL*| from the target
    double meanDeviation = 0.0;     // mean over the 256 levels

    // L* units with two decimals, e.g. "0.12": a good prediction is a fraction of a unit.
    std::string maximumDeviationText() const;
    std::string meanDeviationText() const;
};

}  // namespace sg
