#pragma once

#include <optional>
#include <utility>
#include <vector>

namespace sg {

// The linearization inside automatic curve creation: the same reading of every channel at the
// corrected positions, with the level step written to ten decimals (so the last level sits at
// 99.9999999885) and every channel of the curve processed. Computed by the constructor.
class QuadCurveLinearization {
public:
    static constexpr double levelStep = 0.3921568627;

    QuadCurveLinearization(const std::vector<double>& correction,
                           std::vector<std::vector<double>> quad);

    int stepIndexForLin = 1;
    std::vector<std::vector<double>> quadToLinearize;
    std::vector<std::optional<double>> targetArray;
    std::vector<std::vector<double>> linearizedQuadCurve2DArray;
    std::vector<double> stepArray;

    std::pair<std::size_t, std::size_t> bracketSteps(double target) const;

private:
    void linearize();
};

}  // namespace sg
