#pragma once

#include <optional>
#include <vector>

namespace sg {

// The correction curve of automatic curve creation: the darkest ink's measured response read
// against a straight target between its own first and last value.
class PositiveCorrectionCurve {
public:
    // The measured response, one value per step of the ink.
    std::vector<double> measuredResponse;
    // It resampled ("Linear", against x = 0, 1, 2, ...) to 256 levels.
    std::vector<double> response;
    // As many values as the response, evenly from its first to its last value.
    std::vector<double> target;
    // The correction, input positions in percent; absent when the response has fewer than two
    // values.
    std::optional<std::vector<double>> positions;

    // All of the above from measuredResponse, in that order.
    void recompute();
};

}  // namespace sg
