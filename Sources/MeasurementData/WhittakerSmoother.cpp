#include "MeasurementData/WhittakerSmoother.h"

#include <cstddef>
#include <numeric>
#include <utility>

namespace sg {

// The normal matrix diag(w) + lambda * penalty as L D L^T, L unit lower triangular with two
// subdiagonals.
struct WhittakerSmoother::Factorisation {
    std::vector<double> d;
    std::vector<double> l1;  // L(i + 1, i)
    std::vector<double> l2;  // L(i + 2, i)

    std::vector<double> solve(std::vector<double> b) const {
        const std::size_t n = d.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (i >= 1) {
                b[i] -= l1[i - 1] * b[i - 1];
            }
            if (i >= 2) {
                b[i] -= l2[i - 2] * b[i - 2];
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            b[i] /= d[i];
        }
        for (std::size_t i = n; i-- > 0;) {
            if (i + 1 < n) {
                b[i] -= l1[i] * b[i + 1];
            }
            if (i + 2 < n) {
                b[i] -= l2[i] * b[i + 2];
            }
        }
        return b;
    }

    // The diagonal of the inverse, by the backward recurrence on the band of the inverse
    // (Takahashi, Fagan and Chin 1973): only entries within the band are ever needed.
    std::vector<double> inverseDiagonal() const {
        const std::size_t n = d.size();
        std::vector<double> s0(n + 2, 0.0);  // inverse (i, i)
        std::vector<double> s1(n + 2, 0.0);  // inverse (i, i + 1)
        for (std::size_t i = n; i-- > 0;) {
            const double a = i + 1 < n ? l1[i] : 0.0;
            const double b = i + 2 < n ? l2[i] : 0.0;
            const double s2 = -(a * s1[i + 1] + b * s0[i + 2]);
            s1[i] = -(a * s0[i + 1] + b * s1[i + 1]);
            s0[i] = 1.0 / d[i] - (a * s1[i] + b * s2);
        }
        s0.resize(n);
        return s0;
    }
};

WhittakerSmoother::WhittakerSmoother(std::vector<double> positions, std::vector<double> values,
                                     std::vector<double> weights)
    : values_(std::move(values)), weights_(std::move(weights)) {
    const std::size_t n = values_.size();
    // Weights sum to 1, so the data term is a mean and lambda means the same for any count.
    const double total = std::accumulate(weights_.begin(), weights_.end(), 0.0);
    for (double& weight : weights_) {
        weight /= total;
    }
    for (std::vector<double>& band : penalty_) {
        band.assign(n, 0.0);
    }
    if (n < 3) {
        return;
    }
    fitStraightLine(positions);
    const double span = positions.back() - positions.front();
    for (std::size_t j = 1; j + 1 < n; ++j) {
        const double h0 = (positions[j] - positions[j - 1]) / span;
        const double h1 = (positions[j + 1] - positions[j]) / span;
        const double c[3] = {2.0 / (h0 * (h0 + h1)), -2.0 / (h0 * h1), 2.0 / (h1 * (h0 + h1))};
        const double width = (h0 + h1) / 2.0;
        for (std::size_t a = 0; a < 3; ++a) {
            for (std::size_t b = a; b < 3; ++b) {
                penalty_[b - a][j - 1 + a] += width * c[a] * c[b];
            }
        }
    }
}

WhittakerSmoother::Factorisation WhittakerSmoother::factorised(double lambda) const {
    const std::size_t n = values_.size();
    Factorisation f{std::vector<double>(n), std::vector<double>(n, 0.0),
                    std::vector<double>(n, 0.0)};
    for (std::size_t j = 0; j < n; ++j) {
        double dj = weights_[j] + lambda * penalty_[0][j];
        if (j >= 1) {
            dj -= f.l1[j - 1] * f.l1[j - 1] * f.d[j - 1];
        }
        if (j >= 2) {
            dj -= f.l2[j - 2] * f.l2[j - 2] * f.d[j - 2];
        }
        f.d[j] = dj;
        if (j + 1 < n) {
            double a = lambda * penalty_[1][j];
            if (j >= 1) {
                a -= f.l2[j - 1] * f.l1[j - 1] * f.d[j - 1];
            }
            f.l1[j] = a / dj;
        }
        if (j + 2 < n) {
            f.l2[j] = lambda * penalty_[2][j] / dj;
        }
    }
    return f;
}

void WhittakerSmoother::fitStraightLine(const std::vector<double>& positions) {
    double meanPosition = 0.0;
    double meanValue = 0.0;
    for (std::size_t i = 0; i < values_.size(); ++i) {
        meanPosition += weights_[i] * positions[i];
        meanValue += weights_[i] * values_[i];
    }
    double covariance = 0.0;
    double variance = 0.0;
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const double dx = positions[i] - meanPosition;
        covariance += weights_[i] * dx * (values_[i] - meanValue);
        variance += weights_[i] * dx * dx;
    }
    const double slope = covariance / variance;
    line_.clear();
    for (const double position : positions) {
        line_.push_back(meanValue + slope * (position - meanPosition));
    }
}

std::vector<double> WhittakerSmoother::fitted(const Factorisation& factorisation) const {
    // The penalty ignores straight lines, so the smoother keeps the values' weighted least
    // squares line and only smooths what departs from it: on a line nothing is left to lose
    // to rounding, however large lambda makes the matrix's condition.
    std::vector<double> departure(values_.size());
    for (std::size_t i = 0; i < values_.size(); ++i) {
        departure[i] = weights_[i] * (values_[i] - line_[i]);
    }
    std::vector<double> z = factorisation.solve(std::move(departure));
    for (std::size_t i = 0; i < z.size(); ++i) {
        z[i] += line_[i];
    }
    return z;
}

std::vector<double> WhittakerSmoother::smoothed(double lambda) const {
    if (lambda == 0.0 || values_.size() < 3) {
        return values_;
    }
    return fitted(factorised(lambda));
}

double WhittakerSmoother::crossValidationError(double lambda) const {
    const Factorisation f = factorised(lambda);
    const std::vector<double> z = fitted(f);
    const std::vector<double> inverse = f.inverseDiagonal();
    double error = 0.0;
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const double residual = (values_[i] - z[i]) / (1.0 - weights_[i] * inverse[i]);
        error += weights_[i] * residual * residual;
    }
    return error;
}

}  // namespace sg
