#include "MeasurementData/MonotoneSmoothing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "MeasurementData/IsotonicRegression.h"
#include "MeasurementData/WhittakerSmoother.h"

namespace sg {
namespace {

// The levels a 21-step wedge prints at: unevenly spaced, 12 and 13 apart.
const std::vector<double> levels21 = {0,   13,  26,  38,  51,  64,  77,  89,  102, 115, 128,
                                      140, 153, 166, 179, 191, 204, 217, 230, 242, 255};

// A response with a shoulder, at the given levels, and the same with a fixed pattern of
// measurement errors of about 0.3 L*.
std::vector<double> response(const std::vector<double>& levels, double noise = 0.0) {
    std::vector<double> values;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const double x = levels[i] / 255.0;
        values.push_back(95.0 - 85.0 * (1.0 - std::exp(-2.2 * x)) / (1.0 - std::exp(-2.2)) +
                         noise * std::sin(7.3 * static_cast<double>(i * i + 1)));
    }
    return values;
}

std::vector<double> everyNthLevel(int n) {
    std::vector<double> levels;
    for (int level = 0; level < 256; level += n) {
        levels.push_back(level);
    }
    return levels;
}

double rmsDifference(const std::vector<double>& a, const std::vector<double>& b) {
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sum += (a[i] - b[i]) * (a[i] - b[i]);
    }
    return std::sqrt(sum / static_cast<double>(a.size()));
}

double largestDifference(const std::vector<double>& a, const std::vector<double>& b) {
    double largest = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        largest = std::max(largest, std::abs(a[i] - b[i]));
    }
    return largest;
}

bool nonIncreasing(const std::vector<double>& v) {
    return std::adjacent_find(v.begin(), v.end(), std::less<>()) == v.end();
}

TEST(WhittakerSmootherTest, KeepsStraightLinesAndTheWeightedMeanAndSlopeOfAnyData) {
    const std::vector<double> weights = {1, 2, 1, 1, 3, 1, 1, 1, 1, 2, 1,
                                         1, 1, 1, 1, 1, 1, 4, 1, 1, 1};
    std::vector<double> line;
    for (const double level : levels21) {
        line.push_back(90.0 - 0.31 * level);
    }
    const std::vector<double> noisy = response(levels21, 0.3);
    for (const double lambda : {1e-8, 1e-3, 1.0, 1e3}) {
        const std::vector<double> straight =
            WhittakerSmoother(levels21, line, weights).smoothed(lambda);
        EXPECT_LT(largestDifference(straight, line), 1e-9) << lambda;

        // The penalty vanishes on lines, so the fit keeps the data's weighted sums of y and x y.
        const std::vector<double> smoothed =
            WhittakerSmoother(levels21, noisy, weights).smoothed(lambda);
        double sum = 0.0;
        double moment = 0.0;
        for (std::size_t i = 0; i < noisy.size(); ++i) {
            sum += weights[i] * (smoothed[i] - noisy[i]);
            moment += weights[i] * levels21[i] * (smoothed[i] - noisy[i]);
        }
        EXPECT_NEAR(sum, 0.0, 1e-9) << lambda;
        EXPECT_NEAR(moment, 0.0, 1e-6) << lambda;
    }
    EXPECT_EQ(WhittakerSmoother(levels21, noisy, weights).smoothed(0.0), noisy);
    EXPECT_EQ(WhittakerSmoother({0, 255}, {95, 10}, {1, 1}).smoothed(1.0),
              (std::vector<double>{95, 10}));
}

// The cross-validation error comes from the diagonal of the inverse of the banded normal
// matrix; it must equal the error of refitting without each value (its weight 0, the other
// weights then carrying the whole data term).
TEST(WhittakerSmootherTest, CrossValidationErrorIsTheLeaveOneOutError) {
    const std::vector<double> weights = {1, 2, 1, 1, 3, 1, 1, 1, 1, 2, 1,
                                         1, 1, 1, 1, 1, 1, 4, 1, 1, 1};
    const std::vector<double> noisy = response(levels21, 0.3);
    double total = 0.0;
    for (const double weight : weights) {
        total += weight;
    }
    for (const double lambda : {1e-6, 1e-3, 1.0}) {
        double expected = 0.0;
        for (std::size_t i = 0; i < noisy.size(); ++i) {
            std::vector<double> without = weights;
            without[i] = 0.0;
            const double scaled = lambda * total / (total - weights[i]);
            const double foreseen = WhittakerSmoother(levels21, noisy, without).smoothed(scaled)[i];
            expected += weights[i] / total * (noisy[i] - foreseen) * (noisy[i] - foreseen);
        }
        const double error =
            WhittakerSmoother(levels21, noisy, weights).crossValidationError(lambda);
        EXPECT_NEAR(error, expected, 1e-9 * expected) << lambda;
    }
}

TEST(IsotonicRegressionTest, PoolsEveryRiseIntoItsWeightedMean) {
    const struct {
        const char* name;
        std::vector<double> values;
        std::vector<double> weights;
        std::vector<double> expected;
    } rows[] = {
        {"falling", {5, 3, 3, 1}, {1, 1, 1, 1}, {5, 3, 3, 1}},
        {"one rise", {5, 3, 4, 1}, {1, 1, 1, 1}, {5, 3.5, 3.5, 1}},
        {"weighted", {5, 3, 4, 1}, {1, 1, 3, 1}, {5, 3.75, 3.75, 1}},
        {"rise pooled back twice", {5, 2, 3, 4.6, 0}, {1, 1, 1, 1, 1}, {5, 3.2, 3.2, 3.2, 0}},
        {"rising throughout", {1, 2, 3}, {1, 1, 1}, {2, 2, 2}},
        {"empty", {}, {}, {}},
    };
    for (const auto& row : rows) {
        const std::vector<double> fit = nonIncreasingFit(row.values, row.weights);
        ASSERT_EQ(fit.size(), row.expected.size()) << row.name;
        EXPECT_LT(largestDifference(fit, row.expected), 1e-12) << row.name;
    }
}

TEST(MonotoneSmoothingTest, StrengthScaleRunsFromNoneToAlmostAStraightLine) {
    EXPECT_EQ(SmoothingStrength::lambdaOf(0.0), 0.0);
    EXPECT_DOUBLE_EQ(SmoothingStrength::lambdaOf(1.0), 100.0);
    EXPECT_DOUBLE_EQ(SmoothingStrength::lambdaOf(0.5), 1e-4);

    const std::vector<double> noisy = response(levels21, 0.3);
    const std::vector<double> ones(levels21.size(), 1.0);
    const MonotoneSmoothing asMeasured = monotoneSmoothing(levels21, noisy, ones, 0.0);
    EXPECT_EQ(asMeasured.strength, 0.0);
    EXPECT_EQ(asMeasured.values, noisy);
    // At the strongest the fit is close to the straight line through the data.
    const std::vector<double> strongest = monotoneSmoothing(levels21, noisy, ones, 1.0).values;
    const double slope = (strongest.back() - strongest.front()) / 255.0;
    for (std::size_t i = 0; i < levels21.size(); ++i) {
        EXPECT_NEAR(strongest[i], strongest.front() + slope * levels21[i], 1.5) << i;
    }
}

TEST(MonotoneSmoothingTest, NeverRisesWhateverTheOrderOfThePatches) {
    std::vector<double> swapped = response(levels21);
    std::swap(swapped[6], swapped[7]);
    swapped.back() = swapped[19] + 0.8;  // a black that turns lighter
    const std::vector<double> ones(levels21.size(), 1.0);
    for (const std::optional<double> strength : {std::optional<double>(), {0.0}, {0.3}, {1.0}}) {
        const MonotoneSmoothing smoothing = monotoneSmoothing(levels21, swapped, ones, strength);
        EXPECT_TRUE(nonIncreasing(smoothing.values)) << strength.value_or(-1.0);
    }
    // Unsmoothed, the swapped pair and the last two become their means and nothing else moves.
    const std::vector<double> pooled = monotoneSmoothing(levels21, swapped, ones, 0.0).values;
    EXPECT_DOUBLE_EQ(pooled[6], (swapped[6] + swapped[7]) / 2.0);
    EXPECT_EQ(pooled[6], pooled[7]);
    EXPECT_EQ(pooled[19], pooled[20]);
    EXPECT_EQ(pooled[8], swapped[8]);
}

// Exact data need (almost) no smoothing. Noisy data get a strength whose result comes nearly as
// close to the truth as the best of all strengths (within 1.6 times its error, where the
// measurement is 2.5 to 3.5 times off), and much closer than the measurement.
TEST(MonotoneSmoothingTest, DataChooseTheStrength) {
    for (const std::vector<double>& levels : {everyNthLevel(5), everyNthLevel(2)}) {
        const std::vector<double> truth = response(levels);
        const std::vector<double> noisy = response(levels, 0.3);
        const std::vector<double> ones(levels.size(), 1.0);

        const MonotoneSmoothing exact = monotoneSmoothing(levels, truth, ones, std::nullopt);
        EXPECT_LT(largestDifference(exact.values, truth), 0.01) << levels.size();

        const MonotoneSmoothing chosen = monotoneSmoothing(levels, noisy, ones, std::nullopt);
        EXPECT_GT(chosen.strength, exact.strength) << levels.size();
        double best = rmsDifference(noisy, truth);
        for (int k = 1; k <= SmoothingStrength::choices; ++k) {
            const double strength = static_cast<double>(k) / SmoothingStrength::choices;
            best = std::min(
                best,
                rmsDifference(monotoneSmoothing(levels, noisy, ones, strength).values, truth));
        }
        const double error = rmsDifference(chosen.values, truth);
        EXPECT_LT(error, 1.6 * best) << levels.size();
        EXPECT_LT(error, 0.7 * rmsDifference(noisy, truth)) << levels.size();
    }
}

}  // namespace
}  // namespace sg
