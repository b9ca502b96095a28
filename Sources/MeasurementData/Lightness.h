#pragma once

namespace sg {

// The CIE 1976 lightness L* of a relative luminance Y (paper white = 1).
double lightnessFromLuminance(double luminance);

// The relative luminance Y that a lightness L* stands for (the inverse of the above).
double luminanceFromLightness(double lightness);

}  // namespace sg
