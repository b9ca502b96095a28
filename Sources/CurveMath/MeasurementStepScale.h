#pragma once

#include <cstddef>
#include <vector>

namespace sg {

// The x values of n measured patches: 0.0, then each value the previous plus s, with
// s = (255.0 / (n - 1)) / 255.0. Built by repeated addition, so the last value is 1.0 only up
// to accumulated rounding; the linearization results depend on exactly that rounding.
struct MeasurementStepScale {
    double stepValue = 0.0;
    std::vector<double> scale;

    static MeasurementStepScale forPatchCount(std::size_t n);
};

}  // namespace sg
