#pragma once

#include <vector>

namespace sg {

// One of the three points that bend the linearization target.
struct ToneControlPoint {
    double input = 0.0;       // where it sits, percent of the tonal range
    double adjustment = 0.0;  // percent change of its output: the slider with its sign inverted
    double output = 0.0;      // (adjustment / 100 + 1) * input, limited as below
};

// The three tone control points that bend the linearization target. The target is read
// through a degree-4 Lagrange polynomial through (0, 0), the three points and (100, 100), in
// percent of the tonal range (0 = paper white, 100 = maximum black).
class ToneControlPoints {
public:
    // The step of the curve's sampling: 100/255, added up rather than multiplied, so the last
    // of the 256 samples lands at 99.99999999999972.
    static constexpr double curveStep = 0.39215686274509803;
    static constexpr double defaultShadowInput = 25.0;
    static constexpr double defaultMidtoneInput = 50.0;
    static constexpr double defaultHighlightInput = 75.0;
    // Inputs that coincide or cross would make the polynomial divide by zero or fold over.
    static constexpr double lowestInput = 1.0;
    static constexpr double highestInput = 99.0;

    ToneControlPoint shadow{defaultShadowInput};
    ToneControlPoint midtone{defaultMidtoneInput};
    ToneControlPoint highlight{defaultHighlightInput};

    // The polynomial's key points, from (100, 100) down to (0, 0), as last updated.
    std::vector<double> keyInputs{100.0, 75.0, 50.0, 25.0, 0.0};
    std::vector<double> keyOutputs{100.0, 75.0, 50.0, 25.0, 0.0};

    // The outputs from the inputs and their adjustments, then the key points. A shadow output
    // above 100 becomes 99.9 and a highlight output below 0 becomes 0.03125; the midtone
    // output is not limited.
    void updateKeys();
    // The polynomial at x, limited to 0..100.
    double valueAt(double x) const;
    // The polynomial at x = 0, 0 + step, ... while x < 100 (256 values), then 100.0: 257
    // values unless a sample is not a number (then it is skipped).
    std::vector<double> sampledCurve() const;

    // Whether shadow < midtone < highlight, each within lowestInput..highestInput.
    static bool inputsAreOrdered(double shadow, double midtone, double highlight);
};

}  // namespace sg
