#include "CurveCreation/InkSeparation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "CurveCreation/SingleInkRamp.h"
#include "CurveMath/Resample.h"

namespace sg {
namespace {

const std::vector<double> steps21 = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                     11, 12, 13, 14, 15, 16, 17, 18, 19, 20};

// The curve an ink's 21 values give when nothing needs turning round.
std::vector<double> inkCurveOf(const std::vector<double>& values) {
    return resample(steps21, threePointSmoothed(values), Interpolation::spline, 101);
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
    // Two inks interleaved: ink 0 in the even patches, ink 1 in the odd ones. A 43rd value
    // belongs to no whole set and is ignored.
    std::vector<double> ink0;
    std::vector<double> ink1;
    std::vector<double> chart;
    for (int j = 0; j < 21; ++j) {
        ink0.push_back(96.0 - 4.3 * j + (j % 3 == 0 ? 1.0 : 0.0));
        ink1.push_back(97.0 - 2.0 * j);
        chart.push_back(ink0.back());
        chart.push_back(ink1.back());
    }
    chart.push_back(3.0);
    const auto curves = separatedInkCurves(chart);
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves[0], inkCurveOf(ink0));
    EXPECT_EQ(curves[1], inkCurveOf(ink1));
    EXPECT_EQ(curves[0].size(), 101u);

    // Measured from dark to light: turned round, paper white first.
    std::vector<double> darkFirst(ink1.rbegin(), ink1.rend());
    std::vector<double> expected = inkCurveOf(darkFirst);
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(separatedInkCurves(darkFirst), (std::vector<std::vector<double>>{expected}));

    EXPECT_TRUE(separatedInkCurves(std::vector<double>(20, 50.0)).empty());
}

TEST(InkSeparationTest, LimitedCurvesStretchTheInkUpToItsLimitOver100Entries) {
    const std::vector<double> curve = separatedInkCurves(builtInSeparationChart).front();
    const std::vector<double> half = limitedInkCurve(curve, 50);
    std::vector<double> xs;
    for (int k = 0; k <= 50; ++k) {
        xs.push_back(k / 50.0);
    }
    EXPECT_EQ(half, resample(xs, std::vector<double>(curve.begin(), curve.begin() + 51),
                             Interpolation::spline, 100));
    EXPECT_EQ(half.size(), rampLength);
    EXPECT_NEAR(half.back(), curve[50], 1.0);  // about the tone at the limit

    EXPECT_EQ(limitedInkCurve(curve, 120), limitedInkCurve(curve, 100));
    EXPECT_EQ(limitedInkCurve(curve, 0), limitedInkCurve(curve, 1));
}

TEST(InkSeparationTest, CrossoversAreWhereEachInkPassesTheNextInksDarkestTone) {
    struct Row {
        const char* name;
        std::vector<std::vector<double>> curves;
        std::vector<double> points;
    };
    std::vector<double> plateau = line(90, 10);
    std::fill(plateau.begin() + 20, plateau.begin() + 40, plateau[20]);
    const Row rows[] = {
        {"one ink", {line(95, 5)}, {100}},
        {"halfway", {line(95, 15), line(96, 55)}, {100, 50}},
        {"chained", {line(95, 15), line(96, 55), line(97, 75.5)}, {100, 50, 25}},
        // A flat stretch just above the tone: the curve passes it where it leaves the stretch
        // (the closest entry alone would give a pair of equal values).
        {"flat stretch",
         {plateau, line(96, plateau[20] - 1)},
         {100, (39 + -1 / (plateau[40] - plateau[20])) * 100 / 99}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Result<std::vector<double>> points = crossoverPoints(row.curves);
        ASSERT_TRUE(points.ok());
        ASSERT_EQ(points.value().size(), row.points.size());
        for (std::size_t i = 0; i < row.points.size(); ++i) {
            EXPECT_NEAR(points.value()[i], row.points[i], 1e-9) << i;
        }
    }

    // A lighter ink listed first never comes down to the darker ink's tone.
    const Result<std::vector<double>> refused =
        crossoverPoints({line(95, 15), line(96, 55), line(97, 40)});
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(
        refused.refusal(),
        (Alert{"Failed to Create Curve",
               "The curve of ink 2 never passes L* 40.0, the darkest tone of ink 3 at its "
               "limit, so ink 3 gets no gray value. Each ink at its limit must be darker than the "
               "next one at its limit, the darkest ink first."}));
    // Nor does a curve that starts below the tone.
    EXPECT_FALSE(crossoverPoints({line(50, 15), line(96, 55)}).ok());
}

}  // namespace
}  // namespace sg
