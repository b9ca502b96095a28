#include "MeasurementData/Lightness.h"

#include <cmath>

namespace sg {

double lightnessFromLuminance(double luminance) {
    constexpr double epsilon = 216.0 / 24389.0;
    const double f =
        luminance > epsilon ? std::cbrt(luminance) : 7.787037037037035 * luminance + 16.0 / 116.0;
    return 116.0 * f - 16.0;
}

double luminanceFromLightness(double lightness) {
    if (lightness >= 8.0) {
        const double f = (lightness + 16.0) / 116.0;
        return f * f * f;
    }
    return lightness * 27.0 / 24389.0;
}

}  // namespace sg
