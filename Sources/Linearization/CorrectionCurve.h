#pragma once

#include <optional>
#include <vector>

#include "Linearization/ManualCurveControl.h"
#include "Linearization/MeasuredValues.h"

namespace sg {

// The maximum density of a patch of the given L*: -log10 of the CIE luminance Y that L*
// stands for.
double measuredDmaxFromLabL(double labL);

// For each target L*, the input position in percent (0..100) at which the measured response
// reaches it: the response D falls from light to dark, the result starts at exactly 0 and ends
// at exactly 100 and has as many values as the target. A bracket of zero width (equal
// neighbouring values of D) gives the position of its own level, and every position is limited
// to 0..100, so no non-number or infinity comes out.
std::vector<double> correctionPositions(const std::vector<double>& densitiesToCorrect,
                                        const std::vector<double>& targets);

// The correction curve of the linearization tool: from the measured L* series to the input
// position at which each of the 256 levels reaches its target lightness.
class CorrectionCurve {
public:
    std::vector<double> densitiesToCorrect;  // smoothed response, 256 values
    std::vector<double> linearTargetArray;   // straight line, lightest to darkest L*
    std::vector<double> finalTargetArray;    // the control curve mapped into the L* range
    std::optional<std::vector<double>> correctionCurveArray;  // percent; absent until a run
    double slope = 0.0;
    double intercept = 0.0;
    double measuredDmax = 0.0;

    // Rebuilds everything above (and the measurement's resampled series) from
    // measuredValues.measuredLabL, which must be present and non-empty, and the control points.
    void runCorrectionPipeline(MeasuredValues& measuredValues, ManualCurveControl& control,
                               int windowSize, double splinePercent);
    // The straight line from the largest to the smallest value of the series, one value per
    // entry, the last set to the smallest exactly; sets slope and intercept.
    std::vector<double> makeLinearTarget(const std::vector<double>& series);
    // Recomputes the control curve and finalTargetArray from it.
    void makeFinalTarget(ManualCurveControl& control);
    std::vector<double> makeCorrectionCurve() const;
};

}  // namespace sg
