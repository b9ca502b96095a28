#pragma once

#include <optional>
#include <vector>

#include "CurveMath/KeyframeSequence.h"

namespace sg {

// The printer's response as the precise correction sees it: the L* of each patch at the input
// level it was printed at (patches sharing a level averaged), smoothed so that it never rises,
// and joined by the monotone cubic spline, so it is known, and invertible, at every level.
class MeasuredResponse {
public:
    // The measured series, paper white first, at least one value; the smoothing strength
    // (0..1), or none for the strength the data choose.
    MeasuredResponse(const std::vector<double>& lightness, std::optional<double> strength);

    // The distinct patch levels, the mean L* measured at each and its smoothed value.
    const std::vector<double>& levels() const { return levels_; }
    const std::vector<double>& measured() const { return measured_; }
    const std::vector<double>& smoothed() const { return smoothed_; }
    // The strength used: the one given, or the one the data chose.
    double strength() const { return strength_; }

    double lightnessAt(double level) const;
    // The first level at which the response reaches the lightness: on the spline to the last
    // bits, the first level at a lightness lighter than the response's lightest, the last at
    // one darker than its darkest.
    double levelReaching(double lightness) const;

private:
    std::vector<double> levels_;
    std::vector<double> measured_;
    std::vector<double> smoothed_;
    double strength_ = 0.0;
    KeyframeSequence spline_;
};

}  // namespace sg
