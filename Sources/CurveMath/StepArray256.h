#pragma once

#include <cstddef>
#include <vector>

namespace sg {

// The step constants of the 256-level curves, and the step value of the last measurement
// step scale (written by the linearization pipeline, read by nothing else).
class StepArray256 {
public:
    static constexpr double steps256 = 0.003921568627;                 // 1/255 to twelve decimals
    static constexpr double targetStepIntperpPercentage = 0.00390625;  // exactly 1/256

    double stepValue = 0.0;
    std::vector<double> step256Array;
};

// The x values of n measured patches: 0.0, then each value the previous plus s, with
// s = (255.0 / (n - 1)) / 255.0. Built by repeated addition, so the last value is 1.0 only up
// to accumulated rounding; the linearization results depend on exactly that rounding.
struct MeasurementStepScale {
    double stepValue = 0.0;
    std::vector<double> scale;

    static MeasurementStepScale forPatchCount(std::size_t n);
};

}  // namespace sg
