#pragma once

#include <vector>

namespace sg {

// The second smoothing stage of the linearization pipeline: the curve is replaced by a spline
// through fewer, locally averaged key points, sampled at 256 positions and thinned to 86
// values.
//
// The smoothing argument is a fraction, not a number of points: the spline gets
// 0.32 n - argument n points (n values). Argument 0 puts a key every 3 values, 0.2 every 8,
// 0.25 every 14, 0.3 every 49; from about 0.3005 on, 5 points or fewer, the spline runs
// through every value.

// The spline's keys: positions normalised to 0..1, and values.
struct SplineKeys {
    std::vector<double> positions;
    std::vector<double> values;
};

// With more than 5 points: the first value at position 0, then every step = floor(n / points)
// values the mean of five values centred there (while the centre has two values after it),
// and the last value at position n, one step beyond the last index. Otherwise every value.
SplineKeys splineSmootherKeys(const std::vector<double>& values, double argument);

// The spline (monotone cubic, unclamped) through the keys, sampled at k / 256 for
// k = 0..255; sample 255 is replaced by the smallest key value.
std::vector<double> splineThroughKeys(const SplineKeys& keys);

// The first value, then floor(m / 3) values: five-value means centred on 2, 5, 8, ... while
// they fit, the last value after that. 86 values for 256.
std::vector<double> thinnedOutput(const std::vector<double>& samples);

// The whole stage: 86 values for the pipeline's 256.
std::vector<double> splineSmoothed(const std::vector<double>& values, double argument);

}  // namespace sg
