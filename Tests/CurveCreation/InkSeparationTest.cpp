#include "CurveCreation/InkSeparation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "CurveCreation/SingleInkRamp.h"
#include "CurveMath/Resample.h"

namespace sg {
namespace {

// The curve an ink's 21 values give, paper white first.
std::vector<double> inkCurveOf(const std::vector<double>& values, bool turnRound = false) {
    std::vector<double> curve =
        resampleByIndex(threePointSmoothed(values), Interpolation::spline, 101);
    if (turnRound) {
        std::reverse(curve.begin(), curve.end());
    }
    return curve;
}

// 100 entries falling linearly from `from` to `to`.
std::vector<double> line(double from, double to) {
    std::vector<double> values;
    for (int j = 0; j < 100; ++j) {
        values.push_back(from + (to - from) * j / 99.0);
    }
    return values;
}

TEST(InkSeparationTest, ChartsSplitIntoInksStepByStep) {
    // Ink 0 in the even patches, ink 1 in the odd ones, measured from dark to light. A 43rd
    // value belongs to no whole set.
    std::vector<double> ink0, ink1, chart;
    for (int j = 0; j < 21; ++j) {
        ink0.push_back(96.0 - 4.3 * j + (j % 3 == 0 ? 1.0 : 0.0));
        ink1.push_back(57.0 + 2.0 * j);
        chart.insert(chart.end(), {ink0.back(), ink1.back()});
    }
    chart.push_back(3.0);
    EXPECT_EQ(separatedInkCurves(chart),
              (std::vector<std::vector<double>>{inkCurveOf(ink0), inkCurveOf(ink1, true)}));
    EXPECT_TRUE(separatedInkCurves(std::vector<double>(20, 50.0)).empty());
}

TEST(InkSeparationTest, LimitedCurvesStretchTheInkUpToItsLimitOver100Entries) {
    const std::vector<double> curve = separatedInkCurves(builtInSeparationChart).front();
    std::vector<double> xs(51);
    std::iota(xs.begin(), xs.end(), 0.0);
    const std::vector<double> half = limitedInkCurve(curve, 50);
    EXPECT_EQ(half, resample(xs, std::vector<double>(curve.begin(), curve.begin() + 51),
                             Interpolation::spline, 100));
    EXPECT_NEAR(half.back(), curve[50], 1.0);  // about the tone at the limit
    EXPECT_EQ(limitedInkCurve(curve, 120), limitedInkCurve(curve, 100));
    EXPECT_EQ(limitedInkCurve(curve, 0), limitedInkCurve(curve, 1));
}

TEST(InkSeparationTest, CrossoversAreWhereEachInkPassesTheNextInksDarkestTone) {
    std::vector<double> plateau = line(90, 10);
    std::fill(plateau.begin() + 20, plateau.begin() + 40, plateau[20]);
    const std::pair<std::vector<std::vector<double>>, std::vector<double>> rows[] = {
        {{line(95, 5)}, {100}},
        {{line(95, 15), line(96, 55)}, {100, 50}},
        {{line(95, 15), line(96, 55), line(97, 75.5)}, {100, 50, 25}},
        // Just below a flat stretch the closest entry alone would give a pair of equal values;
        // the curve passes the tone where it leaves the stretch.
        {{plateau, line(96, plateau[20] - 1)},
         {100, (39 + -1 / (plateau[40] - plateau[20])) * 100 / 99}},
    };
    for (const auto& [curves, expected] : rows) {
        const std::vector<double> points = crossoverPoints(curves).value();
        ASSERT_EQ(points.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(points[i], expected[i], 1e-9) << curves.size() << " inks, " << i;
        }
    }

    // A lighter ink listed first never comes down to the darker ink's tone.
    EXPECT_EQ(crossoverPoints({line(95, 15), line(96, 55), line(97, 40)}).refusal(),
              (Alert{"Failed to Create Curve",
                     "The curve of ink 2 never passes L* 40.0, the darkest tone of ink 3 at its "
                     "limit, so ink 3 gets no gray value. Each ink at its limit must be darker "
                     "than the next one at its limit, the darkest ink first."}));
    // Nor does a curve that starts below the tone.
    EXPECT_FALSE(crossoverPoints({line(50, 15), line(96, 55)}).ok());
}

}  // namespace
}  // namespace sg
