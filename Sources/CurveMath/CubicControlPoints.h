#pragma once

#include <vector>

#include "CurveMath/Point.h"

namespace sg {

// The two inner control points of one cubic Bezier segment: the first next to the segment's
// start point, the second next to its end point.
struct CubicSegment {
    Point controlPoint1;
    Point controlPoint2;

    friend bool operator==(const CubicSegment&, const CubicSegment&) = default;
};

// The control points of a chain of cubic Bezier segments through every key point, with
// continuous first and second derivatives at the inner points: a natural cubic spline in
// Bezier form, solved in linear time as a tridiagonal system (Thomas algorithm) for x and y
// alike. Segment i runs from points[i] to points[i + 1]. Two points give the straight line
// with its control points at the thirds. Fewer than two points give no segment.
std::vector<CubicSegment> cubicControlPoints(const std::vector<Point>& points);

}  // namespace sg
