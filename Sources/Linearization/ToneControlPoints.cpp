#include "Linearization/ToneControlPoints.h"

#include <cmath>
#include <cstddef>

namespace sg {

void ToneControlPoints::updateKeys() {
    shadow.output = (shadow.adjustment / 100.0 + 1.0) * shadow.input;
    if (shadow.output > 100.0) {
        shadow.output = 99.9;
    }
    midtone.output = (midtone.adjustment / 100.0 + 1.0) * midtone.input;
    highlight.output = (highlight.adjustment / 100.0 + 1.0) * highlight.input;
    if (highlight.output < 0.0) {
        highlight.output = 0.03125;
    }
    keyInputs = {100.0, highlight.input, midtone.input, shadow.input, 0.0};
    keyOutputs = {100.0, highlight.output, midtone.output, shadow.output, 0.0};
}

double ToneControlPoints::valueAt(double x) const {
    double value = 0.0;
    for (std::size_t i = 0; i < keyInputs.size(); ++i) {
        double basis = 1.0;
        for (std::size_t j = 0; j < keyInputs.size(); ++j) {
            if (j != i) {
                basis *= (x - keyInputs[j]) / (keyInputs[i] - keyInputs[j]);
            }
        }
        value += keyOutputs[i] * basis;
    }
    if (value > 100.0) {
        return 100.0;
    }
    if (value < 0.0) {
        return 0.0;
    }
    return value;
}

std::vector<double> ToneControlPoints::sampledCurve() const {
    std::vector<double> points;
    points.reserve(257);
    for (double x = 0.0; x < 100.0; x += curveStep) {
        const double value = valueAt(x);
        if (!std::isnan(value)) {
            points.push_back(value);
        }
    }
    points.push_back(100.0);
    return points;
}

bool ToneControlPoints::inputsAreOrdered(double shadow, double midtone, double highlight) {
    const auto inRange = [](double input) { return input >= lowestInput && input <= highestInput; };
    return inRange(shadow) && inRange(midtone) && inRange(highlight) && shadow < midtone &&
           midtone < highlight;
}

}  // namespace sg
