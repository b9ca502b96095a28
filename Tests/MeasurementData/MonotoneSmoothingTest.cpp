#include "MeasurementData/MonotoneSmoothing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

#include "MeasurementData/IsotonicRegression.h"
#include "MeasurementData/WhittakerSmoother.h"

namespace sg {
namespace {

// The levels a 21-step wedge prints at: unevenly spaced, 12 and 13 apart.
const std::vector<double> levels21 = {0,   13,  26,  38,  51,  64,  77,  89,  102, 115, 128,
                                      140, 153, 166, 179, 191, 204, 217, 230, 242, 255};

// A response with a shoulder at the given levels, with a fixed pattern of measurement errors of
// up to `noise` L*.
std::vector<double> response(const std::vector<double>& levels, double noise = 0.0) {
    std::vector<double> values;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        values.push_back(95.0 - 85.0 * (1.0 - std::exp(-2.2 * levels[i] / 255.0)) / 0.889 +
                         noise * std::sin(7.3 * static_cast<double>(i * i + 1)));
    }
    return values;
}

double rmsDifference(const std::vector<double>& a, const std::vector<double>& b) {
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sum += (a[i] - b[i]) * (a[i] - b[i]);
    }
    return std::sqrt(sum / static_cast<double>(a.size()));
}

// A straight line comes back unchanged whatever lambda, and the cross-validation error, taken
// from the diagonal of the banded matrix's inverse, equals refitting without each value (its
// weight 0, so the others carry the whole data term and lambda grows by total / rest).
TEST(WhittakerSmootherTest, KeepsStraightLinesAndCrossValidatesByLeavingOneOut) {
    std::vector<double> weights(levels21.size(), 1.0);
    weights[4] = 3.0;
    weights[17] = 4.0;
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    std::vector<double> line;
    for (const double level : levels21) {
        line.push_back(90.0 - 0.31 * level);
    }
    const std::vector<double> noisy = response(levels21, 0.3);
    for (const double lambda : {1e-6, 1e-3, 1.0, 1e3}) {
        const std::vector<double> straight =
            WhittakerSmoother(levels21, line, weights).smoothed(lambda);
        for (std::size_t i = 0; i < line.size(); ++i) {
            EXPECT_NEAR(straight[i], line[i], 1e-9) << lambda;
        }
        double expected = 0.0;
        for (std::size_t i = 0; i < noisy.size(); ++i) {
            std::vector<double> without = weights;
            without[i] = 0.0;
            const double rest = lambda * total / (total - weights[i]);
            const double foreseen = WhittakerSmoother(levels21, noisy, without).smoothed(rest)[i];
            expected += weights[i] / total * (noisy[i] - foreseen) * (noisy[i] - foreseen);
        }
        EXPECT_NEAR(WhittakerSmoother(levels21, noisy, weights).crossValidationError(lambda),
                    expected, 1e-6 * expected)
            << lambda;
    }
    EXPECT_EQ(WhittakerSmoother(levels21, noisy, weights).smoothed(0.0), noisy);
}

TEST(IsotonicRegressionTest, PoolsEveryRiseIntoItsWeightedMean) {
    const struct {
        std::vector<double> values, weights, expected;
    } rows[] = {
        {{5, 3, 3, 1}, {1, 1, 1, 1}, {5, 3, 3, 1}},                   // never rises: unchanged
        {{5, 3, 4, 1}, {1, 1, 3, 1}, {5, 3.75, 3.75, 1}},             // weighted
        {{5, 2, 3, 4.6, 0}, {1, 1, 1, 1, 1}, {5, 3.2, 3.2, 3.2, 0}},  // pooled back twice
        {{1, 2, 3}, {1, 1, 1}, {2, 2, 2}},
    };
    for (const auto& row : rows) {
        const std::vector<double> fit = nonIncreasingFit(row.values, row.weights);
        ASSERT_EQ(fit.size(), row.expected.size());
        for (std::size_t i = 0; i < fit.size(); ++i) {
            EXPECT_NEAR(fit[i], row.expected[i], 1e-12) << row.values[1];
        }
    }
}

TEST(MonotoneSmoothingTest, NeverRisesWhateverTheOrderOfThePatches) {
    std::vector<double> swapped = response(levels21);
    std::swap(swapped[6], swapped[7]);
    swapped.back() = swapped[19] + 0.8;  // a black that turns lighter
    const std::vector<double> ones(levels21.size(), 1.0);
    for (const std::optional<double> strength : {std::optional<double>(), {0.0}, {0.3}, {1.0}}) {
        const std::vector<double> values =
            monotoneSmoothing(levels21, swapped, ones, strength).values;
        EXPECT_EQ(std::adjacent_find(values.begin(), values.end(), std::less<>()), values.end());
    }
}

// Exact data need (almost) no smoothing. Noisy data get a strength whose result comes nearly as
// close to the truth as the best of all strengths (within 1.6 times its error, where the
// measurement is 2.5 to 3.5 times off), and much closer than the measurement.
TEST(MonotoneSmoothingTest, DataChooseTheStrength) {
    for (const int spacing : {5, 2}) {
        std::vector<double> levels;
        for (int level = 0; level < 256; level += spacing) {
            levels.push_back(level);
        }
        const std::vector<double> truth = response(levels);
        const std::vector<double> noisy = response(levels, 0.3);
        const std::vector<double> ones(levels.size(), 1.0);

        const MonotoneSmoothing exact = monotoneSmoothing(levels, truth, ones, std::nullopt);
        EXPECT_LT(rmsDifference(exact.values, truth), 0.01) << spacing;

        const MonotoneSmoothing chosen = monotoneSmoothing(levels, noisy, ones, std::nullopt);
        EXPECT_GT(chosen.strength, exact.strength) << spacing;
        double best = rmsDifference(noisy, truth);
        for (int k = 1; k <= SmoothingStrength::choices; ++k) {
            const double strength = static_cast<double>(k) / SmoothingStrength::choices;
            best = std::min(
                best,
                rmsDifference(monotoneSmoothing(levels, noisy, ones, strength).values, truth));
        }
        const double error = rmsDifference(chosen.values, truth);
        EXPECT_LT(error, 1.6 * best) << spacing;
        EXPECT_LT(error, 0.7 * rmsDifference(noisy, truth)) << spacing;
    }
}

}  // namespace
}  // namespace sg
