#pragma once

#include <cmath>

namespace sg {

// One measured colour in CIE 1976 L*a*b*.
struct CIELab {
    double L = 0.0;
    double a = 0.0;
    double b = 0.0;

    friend bool operator==(const CIELab&, const CIELab&) = default;

    // The CIE 1976 lightness of a relative luminance Y (paper white = 1).
    static double lightnessFromLuminance(double y) {
        constexpr double epsilon = 216.0 / 24389.0;
        const double f = y > epsilon ? std::cbrt(y) : 7.787037037037035 * y + 16.0 / 116.0;
        return 116.0 * f - 16.0;
    }
};

}  // namespace sg
