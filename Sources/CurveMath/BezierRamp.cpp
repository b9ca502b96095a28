#include "CurveMath/BezierRamp.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "Common/InkScale.h"
#include "CurveMath/CubicControlPoints.h"
#include "CurveMath/Resample.h"

namespace sg {
namespace {

Point bezierAt(double t, Point p0, Point p1, Point p2, Point p3) {
    const double u = 1.0 - t;
    const auto mix = [&](double v0, double v1, double v2, double v3) {
        return u * u * u * v0 + 3.0 * u * u * t * v1 + 3.0 * u * t * t * v2 + t * t * t * v3;
    };
    return {mix(p0.x, p1.x, p2.x, p3.x), mix(p0.y, p1.y, p2.y, p3.y)};
}

}  // namespace

std::vector<Point> bezierCurvePoints(const std::vector<double>& xs, const std::vector<double>& ys) {
    std::vector<Point> keys;
    const std::size_t count = std::min(xs.size(), ys.size());
    for (std::size_t i = 0; i < count; ++i) {
        keys.push_back({xs[i], ys[i]});
    }
    std::vector<Point> curve;
    if (keys.size() < 3) {
        return curve;
    }
    const std::vector<CubicSegment> segments = cubicControlPoints(keys);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const Point start = keys[i];
        const Point end = keys[i + 1];
        const double dt = 1.0 / std::abs(end.x - start.x) / 20.0;
        // Added up, not k * dt: whether t = 1 itself is reached depends on the rounding.
        for (double t = 0.0; t <= 1.0; t += dt) {
            curve.push_back(
                bezierAt(t, start, segments[i].controlPoint1, segments[i].controlPoint2, end));
            // A segment so wide that dt vanishes next to t would never end.
            if (t + dt == t) {
                break;
            }
        }
    }
    return curve;
}

std::vector<double> bezierRamp(const std::vector<double>& xs, const std::vector<double>& ys,
                               double steps) {
    std::vector<double> values;
    for (const Point& point : bezierCurvePoints(xs, ys)) {
        values.push_back(point.y);
    }
    return resampleByIndex(values, Interpolation::linear, steps);
}

std::vector<double> bezierInkCurve(const std::vector<double>& xs, const std::vector<double>& ys) {
    std::vector<double> inkCurve = bezierRamp(xs, ys, static_cast<double>(levelCount));
    if (inkCurve.empty()) {
        const double last = ys.empty() ? 0.0 : ys.back();
        inkCurve.reserve(levelCount);
        for (std::size_t k = 0; k < levelCount; ++k) {
            inkCurve.push_back(static_cast<double>(k) * last / 255.0);
        }
        return inkCurve;
    }
    for (double& value : inkCurve) {
        if (value < 0.0) {
            value *= 0.66;
        }
    }
    return inkCurve;
}

}  // namespace sg
