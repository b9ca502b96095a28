#pragma once

#include <vector>

namespace sg {

// The Whittaker-Eilers smoother (P. H. C. Eilers, "A perfect smoother", Analytical Chemistry
// 75, 2003): the series z that minimises
//     sum w[i] (y[i] - z[i])^2 + lambda * sum c[j] f''[j]^2,
// f''[j] being the second divided difference of z around position j and c[j] the width it
// stands for, so the penalty approximates the integral of the squared second derivative over
// positions normalised to 0..1. Unevenly spaced positions are smoothed as what they are, and a
// straight line comes back unchanged whatever lambda. The normal equations are a symmetric
// band of half-width 2, solved in O(n); the same factorisation gives the exact leave-one-out
// cross-validation error.
class WhittakerSmoother {
public:
    // Positions strictly rising, one value and one positive weight for each.
    WhittakerSmoother(std::vector<double> positions, std::vector<double> values,
                      std::vector<double> weights);

    // The smoothed series; lambda 0 (or fewer than three values) gives the values themselves.
    std::vector<double> smoothed(double lambda) const;

    // The weighted mean of the squared leave-one-out residuals (y[i] - z[i]) / (1 - h[i]), h
    // the diagonal of the smoother matrix: how well each value is foreseen by the others.
    // Requires lambda > 0 and at least three values.
    double crossValidationError(double lambda) const;

private:
    struct Factorisation;
    void fitStraightLine(const std::vector<double>& positions);
    Factorisation factorised(double lambda) const;
    std::vector<double> fitted(const Factorisation& factorisation) const;

    std::vector<double> values_;
    std::vector<double> weights_;
    std::vector<double> line_;  // the weighted least-squares line through the values
    // The penalty's normal matrix, band entries (i, i), (i, i+1), (i, i+2).
    std::vector<double> penalty_[3];
};

}  // namespace sg
