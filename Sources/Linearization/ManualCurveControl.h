#pragma once

#include <vector>

namespace sg {

// The three tone control points that bend the linearization target. The target is read
// through a degree-4 Lagrange polynomial through (0, 0), the three points and (100, 100), in
// percent of the tonal range (0 = paper white, 100 = maximum black).
class ManualCurveControl {
public:
    // The step of the control-curve sampling: 100/255, added up rather than multiplied, so the
    // last of the 256 samples lands at 99.99999999999972.
    static constexpr double controlCurveStep = 0.39215686274509803;
    static constexpr double defaultShadowInput = 25.0;
    static constexpr double defaultMidInput = 50.0;
    static constexpr double defaultHighlightInput = 75.0;
    // Inputs that coincide or cross would make the polynomial divide by zero or fold over.
    static constexpr double lowestInput = 1.0;
    static constexpr double highestInput = 99.0;

    std::vector<double> splinedCurvePoints;
    std::vector<double> xs{100.0, 75.0, 50.0, 25.0, 0.0};
    std::vector<double> ys{100.0, 75.0, 50.0, 25.0, 0.0};
    double shadowControlValue = 0.0;  // percent change of the output
    double shadowInput = defaultShadowInput;
    double shadowOutput = 0.0;
    double midControlValue = 0.0;
    double midInput = defaultMidInput;
    double midOutput = 0.0;
    double highlightControlValue = 0.0;
    double highlightInput = defaultHighlightInput;
    double highlightOutput = 0.0;

    // xs = 100, highlight, mid, shadow, 0.
    void updateControlXs();
    // The outputs from the inputs and their control values, then ys = 100, highlight, mid,
    // shadow, 0. A shadow output above 100 becomes 99.9 and a highlight output below 0 becomes
    // 0.03125; the midtone output is not limited.
    void updateControlYs();
    // The polynomial at x, limited to 0..100.
    double controlCurveValue(double x) const;
    // The curve at x = 0, 0 + step, ... while x < 100 (256 values), then 100.0: 257 values
    // unless a sample is not a number (then it is skipped).
    std::vector<double> controlCurvePoints() const;

    // Whether shadow < mid < highlight, each within lowestInput..highestInput.
    static bool inputsAreOrdered(double shadow, double mid, double highlight);
};

}  // namespace sg
