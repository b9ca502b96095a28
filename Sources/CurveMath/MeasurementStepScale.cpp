#include "CurveMath/MeasurementStepScale.h"

namespace sg {

std::vector<double> measurementStepScale(std::size_t patchCount) {
    const double step = (255.0 / static_cast<double>(patchCount - 1)) / 255.0;
    std::vector<double> scale;
    scale.reserve(patchCount);
    double x = 0.0;
    for (std::size_t i = 0; i < patchCount; ++i) {
        scale.push_back(x);
        x += step;
    }
    return scale;
}

}  // namespace sg
