#include "Linearization/ManualCurveControl.h"

#include <cmath>
#include <cstddef>

namespace sg {

void ManualCurveControl::updateControlXs() {
    xs = {100.0, highlightInput, midInput, shadowInput, 0.0};
}

void ManualCurveControl::updateControlYs() {
    shadowOutput = (shadowControlValue / 100.0 + 1.0) * shadowInput;
    if (shadowOutput > 100.0) {
        shadowOutput = 99.9;
    }
    midOutput = (midControlValue / 100.0 + 1.0) * midInput;
    highlightOutput = (highlightControlValue / 100.0 + 1.0) * highlightInput;
    if (highlightOutput < 0.0) {
        highlightOutput = 0.03125;
    }
    ys = {100.0, highlightOutput, midOutput, shadowOutput, 0.0};
}

double ManualCurveControl::controlCurveValue(double x) const {
    double value = 0.0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        double basis = 1.0;
        for (std::size_t j = 0; j < xs.size(); ++j) {
            if (j != i) {
                basis *= (x - xs[j]) / (xs[i] - xs[j]);
            }
        }
        value += ys[i] * basis;
    }
    if (value > 100.0) {
        return 100.0;
    }
    if (value < 0.0) {
        return 0.0;
    }
    return value;
}

std::vector<double> ManualCurveControl::controlCurvePoints() const {
    std::vector<double> points;
    points.reserve(257);
    for (double x = 0.0; x < 100.0; x += controlCurveStep) {
        const double value = controlCurveValue(x);
        if (!std::isnan(value)) {
            points.push_back(value);
        }
    }
    points.push_back(100.0);
    return points;
}

bool ManualCurveControl::inputsAreOrdered(double shadow, double mid, double highlight) {
    const auto inRange = [](double input) { return input >= lowestInput && input <= highestInput; };
    return inRange(shadow) && inRange(mid) && inRange(highlight) && shadow < mid && mid < highlight;
}

}  // namespace sg
