#include "CurveMath/MeasurementStepScale.h"

namespace sg {

MeasurementStepScale MeasurementStepScale::forPatchCount(std::size_t n) {
    MeasurementStepScale result;
    result.stepValue = (255.0 / static_cast<double>(n - 1)) / 255.0;
    result.scale.reserve(n);
    double x = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        result.scale.push_back(x);
        x += result.stepValue;
    }
    return result;
}

}  // namespace sg
