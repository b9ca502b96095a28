#pragma once

#include <optional>
#include <vector>

#include "Linearization/ToneControlPoints.h"

namespace sg {

// The maximum density of a patch of the given L*: -log10 of the CIE luminance Y that L*
// stands for.
double densityFromLightness(double lightness);

// For each target L*, the input position in percent (0..100) at which the measured response
// reaches it: the response falls from light to dark, the result starts at exactly 0 and ends
// at exactly 100 and has as many values as the target. A bracket of zero width (equal
// neighbouring values of the response) gives the position of its own level, and every
// position is limited to 0..100, so no non-number or infinity comes out.
std::vector<double> correctionPositions(const std::vector<double>& response,
                                        const std::vector<double>& targets);

// The correction curve of the linearization tool: from the measured L* series to the input
// position at which each of the 256 levels reaches its target lightness.
class CorrectionCurve {
public:
    // The measured series resampled to 256 levels, its last value pinned to the last patch.
    std::vector<double> resampledLightness;
    // The smoothed measured response, 256 values, index = input level.
    std::vector<double> smoothedResponse;
    // The straight line from the lightest to the darkest L*, 256 values.
    std::vector<double> linearTarget;
    // The target actually used: the tone control curve mapped into the L* range.
    std::vector<double> target;
    // The correction, input positions in percent; absent until the first run.
    std::optional<std::vector<double>> positions;
    double slope = 0.0;      // (darkest - lightest) / 100
    double intercept = 0.0;  // the lightest L*
    double maximumDensity = 0.0;

    // Rebuilds everything above from the measured series (paper white first, at least one
    // value) and the control points (whose outputs and keys it updates): resampling,
    // moving average over windowSize, spline smoothing with splineArgument, target and
    // correction.
    void run(const std::vector<double>& lightness, ToneControlPoints& controlPoints, int windowSize,
             double splineArgument);
    // The target and the correction again after the control points changed.
    void retarget(ToneControlPoints& controlPoints);
    // The target alone: the control points' curve (keys updated) mapped by slope and intercept.
    void makeTarget(ToneControlPoints& controlPoints);

    // The straight line from the largest to the smallest value of the series, one value per
    // entry, the last set to the smallest exactly; sets slope and intercept.
    std::vector<double> makeLinearTarget(const std::vector<double>& series);
};

}  // namespace sg
