#pragma once

#include <optional>
#include <vector>

namespace sg {

// The measurement the linearization works from.
class MeasuredValues {
public:
    // L* per patch, paper white first and maximum black last, as the loader delivered it.
    std::optional<std::vector<double>> measuredLabL;
    // measuredLabL resampled to 256 steps, its last value pinned to the last measured L*.
    std::vector<double> originalInterpolatedMeasuredValues;
};

// Automatic curve creation keeps its own measurement in the same shape.
using AutomticCurveCreationMeasuredValues = MeasuredValues;

}  // namespace sg
