#pragma once

namespace sg {

// One measured colour as CIE XYZ tristimulus values.
struct CIEXYZ {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend bool operator==(const CIEXYZ&, const CIEXYZ&) = default;
};

}  // namespace sg
