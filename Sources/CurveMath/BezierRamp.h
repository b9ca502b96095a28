#pragma once

#include <vector>

#include "CurveMath/Point.h"

namespace sg {

// The chain of cubic Bezier segments through the key points (control points from
// cubicControlPoints), as a dense list of points: each segment is sampled from t = 0 by
// adding dt = 1 / |dx| / 20 (20 samples per unit of x) while t <= 1, so a key point may stand
// twice, and a segment of zero width gives only its start point. The points are not evenly
// spaced in x; callers use their y values by index. Fewer than 3 key points give none.
std::vector<Point> bezierCurvePoints(const std::vector<double>& xs, const std::vector<double>& ys);

// The y values of bezierCurvePoints taken as evenly spaced (x = 0, 1, 2, ... by index) and
// resampled ("Linear") to `steps` values; none when the curve has no points.
std::vector<double> bezierRamp(const std::vector<double>& xs, const std::vector<double>& ys,
                               double steps);

// A 256-value ink curve from key points: the y values of bezierCurvePoints resampled
// ("Linear", by index) to 256 levels, with every value below 0 multiplied by 0.66 (an
// overshoot is softened, not cut). Fewer than 3 key points give the straight ramp from 0 to
// the last y value (0 without any).
std::vector<double> bezierInkCurve(const std::vector<double>& xs, const std::vector<double>& ys);

}  // namespace sg
