#include "CurveMath/CubicControlPoints.h"

#include <cstddef>

namespace sg {
namespace {

Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}

Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}

Point operator*(double factor, Point p) {
    return {factor * p.x, factor * p.y};
}

Point operator/(Point p, double divisor) {
    return {p.x / divisor, p.y / divisor};
}

}  // namespace

std::vector<CubicSegment> cubicControlPoints(const std::vector<Point>& points) {
    std::vector<CubicSegment> segments;
    if (points.size() < 2) {
        return segments;
    }
    const std::size_t n = points.size() - 1;
    const std::vector<Point>& p = points;
    if (n == 1) {
        const Point q0 = (2.0 * p[0] + p[1]) / 3.0;
        segments.push_back({q0, 2.0 * q0 - p[0]});
        return segments;
    }

    // Rows of the system for the first control points q: lower a, main b, upper c, right r.
    std::vector<double> a(n, 1.0);
    std::vector<double> b(n, 4.0);
    std::vector<double> c(n, 1.0);
    std::vector<Point> r(n);
    a[0] = 0.0;
    b[0] = 2.0;
    r[0] = p[0] + 2.0 * p[1];
    for (std::size_t i = 1; i + 1 < n; ++i) {
        r[i] = 4.0 * p[i] + 2.0 * p[i + 1];
    }
    a[n - 1] = 2.0;
    b[n - 1] = 7.0;
    c[n - 1] = 0.0;
    r[n - 1] = 8.0 * p[n - 1] + p[n];

    for (std::size_t i = 1; i < n; ++i) {
        const double m = a[i] / b[i - 1];
        b[i] = b[i] - m * c[i - 1];
        r[i] = r[i] - m * r[i - 1];
    }
    std::vector<Point> q(n);
    q[n - 1] = r[n - 1] / b[n - 1];
    for (std::size_t i = n - 1; i-- > 0;) {
        q[i] = (r[i] - c[i] * q[i + 1]) / b[i];
    }

    segments.reserve(n);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        segments.push_back({q[i], 2.0 * p[i + 1] - q[i + 1]});
    }
    segments.push_back({q[n - 1], 0.5 * (q[n - 1] + p[n])});
    return segments;
}

}  // namespace sg
