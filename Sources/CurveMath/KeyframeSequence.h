#pragma once

#include <cstddef>
#include <vector>

namespace sg {

enum class Interpolation { linear, spline };

// Key values at key times, read at any time between them. "Linear" joins neighbouring keys by
// straight lines; "Spline" is the monotone piecewise cubic Hermite interpolation with
// Fritsch-Carlson slopes (as MATLAB's pchip): it passes through every key, is C1, and never
// overshoots between keys, so a monotone series stays monotone. Keys are stable-sorted by
// time and of keys with equal times the first is kept.
class KeyframeSequence {
public:
    KeyframeSequence(const std::vector<double>& times, const std::vector<double>& values,
                     Interpolation mode);

    // Requires at least one key.
    double sampleAtTime(double t) const;
    // The same for a t known to lie between keys k and k + 1, without looking for them: for
    // callers that read one segment many times. Requires at least two keys.
    double sampleInSegment(std::size_t k, double t) const;

private:
    std::size_t segmentAt(double t) const;
    void computeSplineSlopes();

    Interpolation mode_;
    std::vector<double> times_;
    std::vector<double> values_;
    std::vector<double> slopes_;  // spline mode only, one per key
};

}  // namespace sg
