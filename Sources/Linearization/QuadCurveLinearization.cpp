#include "Linearization/QuadCurveLinearization.h"

#include <cmath>

#include "Linearization/Linearization.h"

namespace sg {
namespace {

constexpr std::size_t levels = 256;

}  // namespace

QuadCurveLinearization::QuadCurveLinearization(const std::vector<double>& correction,
                                               std::vector<std::vector<double>> quad)
    : quadToLinearize(std::move(quad)) {
    targetArray.assign(correction.begin(), correction.end());
    stepArray.reserve(levels);
    for (std::size_t k = 0; k < levels; ++k) {
        stepArray.push_back(static_cast<double>(k) * levelStep);
    }
    linearize();
}

std::pair<std::size_t, std::size_t> QuadCurveLinearization::bracketSteps(double target) const {
    return bracketStepsIn(stepArray, target);
}

void QuadCurveLinearization::linearize() {
    stepIndexForLin = 0;
    linearizedQuadCurve2DArray.clear();
    if (targetArray.size() + 1 < levels) {
        return;
    }
    std::vector<double> targets;
    targets.reserve(targetArray.size());
    for (const std::optional<double>& target : targetArray) {
        targets.push_back(target.value_or(NAN));
    }
    for (const std::vector<double>& channel : quadToLinearize) {
        if (channel.size() < levels) {
            continue;
        }
        // Non-numbers become 0 silently here: the writer must only ever see numbers.
        linearizedQuadCurve2DArray.push_back(linearizedChannel(channel, targets, stepArray, false));
    }
}

}  // namespace sg
