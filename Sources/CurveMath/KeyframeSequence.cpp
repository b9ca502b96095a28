#include "CurveMath/KeyframeSequence.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace sg {
namespace {

int sign(double value) {
    return (value > 0.0) - (value < 0.0);
}

bool differInSign(double a, double b) {
    return sign(a) != sign(b);
}

// End slope from the two end intervals, shape-preserving (Fritsch-Carlson / pchip).
double endSlope(double h0, double h1, double d0, double d1) {
    const double slope = ((2.0 * h0 + h1) * d0 - h0 * d1) / (h0 + h1);
    if (differInSign(slope, d0)) {
        return 0.0;
    }
    if (differInSign(d0, d1) && std::abs(slope) > std::abs(3.0 * d0)) {
        return 3.0 * d0;
    }
    return slope;
}

}  // namespace

KeyframeSequence::KeyframeSequence(const std::vector<double>& times,
                                   const std::vector<double>& values, Interpolation mode)
    : mode_(mode) {
    const std::size_t count = std::min(times.size(), values.size());
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return times[a] < times[b]; });
    for (const std::size_t index : order) {
        if (!times_.empty() && times_.back() == times[index]) {
            continue;
        }
        times_.push_back(times[index]);
        values_.push_back(values[index]);
    }
    if (mode_ == Interpolation::spline) {
        computeSplineSlopes();
    }
}

void KeyframeSequence::computeSplineSlopes() {
    const std::size_t n = times_.size();
    slopes_.assign(n, 0.0);
    if (n < 2) {
        return;
    }
    std::vector<double> h(n - 1);
    std::vector<double> d(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        h[k] = times_[k + 1] - times_[k];
        d[k] = (values_[k + 1] - values_[k]) / h[k];
    }
    if (n == 2) {
        slopes_[0] = d[0];
        slopes_[1] = d[0];
        return;
    }
    for (std::size_t k = 1; k + 1 < n; ++k) {
        if (d[k - 1] == 0.0 || d[k] == 0.0 || differInSign(d[k - 1], d[k])) {
            slopes_[k] = 0.0;
            continue;
        }
        const double w1 = 2.0 * h[k] + h[k - 1];
        const double w2 = h[k] + 2.0 * h[k - 1];
        slopes_[k] = (w1 + w2) / (w1 / d[k - 1] + w2 / d[k]);
    }
    slopes_[0] = endSlope(h[0], h[1], d[0], d[1]);
    slopes_[n - 1] = endSlope(h[n - 2], h[n - 3], d[n - 2], d[n - 3]);
}

std::size_t KeyframeSequence::segmentAt(double t) const {
    // The last key at or below t, limited to 0 .. n-2.
    const auto above = std::upper_bound(times_.begin(), times_.end(), t);
    const std::size_t atOrBelow =
        above == times_.begin() ? 0 : static_cast<std::size_t>(above - times_.begin()) - 1;
    return std::min(atOrBelow, times_.size() - 2);
}

double KeyframeSequence::sampleAtTime(double t) const {
    if (times_.size() == 1) {
        return values_.front();
    }
    return sampleInSegment(segmentAt(t), t);
}

double KeyframeSequence::sampleInSegment(std::size_t k, double t) const {
    const double x0 = times_[k];
    const double x1 = times_[k + 1];
    const double y0 = values_[k];
    const double y1 = values_[k + 1];
    if (mode_ == Interpolation::linear) {
        return y0 + (y1 - y0) * (t - x0) / (x1 - x0);
    }
    const double h = x1 - x0;
    const double d = (y1 - y0) / h;
    const double z = t - x0;
    const double q = (slopes_[k] + slopes_[k + 1] - 2.0 * d) / h;
    return y0 + slopes_[k] * z + ((d - slopes_[k]) / h - q) * (z * z) + (q / h) * (z * z * z);
}

}  // namespace sg
