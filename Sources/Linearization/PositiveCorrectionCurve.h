#pragma once

#include <optional>
#include <vector>

namespace sg {

// The correction curve of automatic curve creation: the darkest ink's measured response read
// against a straight target between its own first and last value.
class PositiveCorrectionCurve {
public:
    std::vector<double> measuredDensities;
    std::optional<std::vector<double>> correctionCurveArray;
    std::vector<double> densitiesToCorrect;
    std::vector<double> finalTargetArray;

    // measuredDensities resampled ("Linear") to 256 values against x = 0, 1, 2, ...
    void makeDensitiesToCorrect();
    // As many values as densitiesToCorrect, evenly from its first to its last value.
    void makeLinearTarget();
    // The correction from densitiesToCorrect and finalTargetArray; absent when the response
    // has fewer than two values.
    void makeCorrectionCurve();
    // The three above, in that order, as the tool runs them.
    void recompute();
};

}  // namespace sg
