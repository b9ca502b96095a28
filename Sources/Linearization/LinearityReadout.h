#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sg {

// How far a measured wedge is from linear, read before deciding to reprint, and a warning when
// the series looks out of order.
class LinearityReadout {
public:
    // A rise larger than this from one patch to the next is not a printing error.
    static constexpr double patchOrderTolerance = 2.0;

    // The straight line runs over the patch positions 0..n-1 from the first (lightest) to the
    // last (darkest) measured patch, so a wedge printed perfectly linear reads 0 everywhere and
    // both ends always read 0. The mean is taken over all n patches.
    static LinearityReadout fromSeries(const std::vector<double>& labL);

    double maximumDeviation = 0.0;  // largest |dL*| from the line
    double meanDeviation = 0.0;     // mean |dL*| from the line
    // The first patch (numbered from 1) lighter than the one before it by more than the
    // tolerance, and by how much.
    std::optional<std::size_t> firstRisingPatch;
    double rise = 0.0;

    // L* units with one decimal, e.g. "1.4".
    std::string maximumDeviationText() const;
    std::string meanDeviationText() const;
    // E.g. "Patch 7 is lighter than patch 6 by 3.4 L*: check the patch order."; empty when the
    // series falls as it should.
    std::string warningText() const;
};

}  // namespace sg
