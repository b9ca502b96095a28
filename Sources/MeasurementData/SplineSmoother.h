#pragma once

#include <vector>

namespace sg {

// The second smoothing stage of the linearization pipeline: the curve is replaced by a spline
// through fewer, locally averaged control points, sampled at 256 positions and thinned to 86
// values. Everything is computed by the constructor.
class SplineSmoother {
public:
    // percent is a fraction, not a number of points: pointsToSpline = 0.32 n - percent n.
    // With 5 or fewer points the spline runs through every input value.
    SplineSmoother(std::vector<double> inputArray, double percent);

    static constexpr double targetStepIntperpPercentage = 0.00390625;  // exactly 1/256

    std::vector<double> inputArray;
    double pointsToSpline = 0.0;
    std::vector<double> splineYPoints;
    std::vector<double> splineXPoints;  // normalised to 0..1
    std::vector<double> interpolatedArray;
    // 1 + floor(256 / 3) = 86 values: the first sample, five-value means centred on
    // 2, 5, ..., 251, and the last sample.
    std::vector<double> splineSmoothedOutputArray;

    // The spline (monotone cubic, unclamped) through the values at the rising positions,
    // sampled at k / 256 for k = 0..255; sample 255 is replaced by the smallest value.
    static std::vector<double> splineResample256(const std::vector<double>& values,
                                                 const std::vector<double>& positions);
    // The first value, then floor(m / 3) values: five-value means centred on 2, 5, 8, ...
    // while they fit, the last value after that.
    static std::vector<double> thinOutput(const std::vector<double>& v);

private:
    void smooth();
    void selectSplinePoints();
};

}  // namespace sg
