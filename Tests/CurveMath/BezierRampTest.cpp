#include "CurveMath/BezierRamp.h"

#include <gtest/gtest.h>

#include <cmath>

#include "CurveMath/CubicControlPoints.h"

namespace sg {
namespace {

TEST(CubicControlPointsTest, SolvesTheWorkedExamples) {
    // One segment: the straight line with its control points at the thirds.
    EXPECT_EQ(cubicControlPoints({{0, 0}, {3, 3}}), (std::vector<CubicSegment>{{{1, 1}, {2, 2}}}));

    // (0,0) (1,1) (2,0): Q1 = (8/6, 6/6), Q0 = (1/3, 1/2), R0 = 2 (1,1) - Q1, R1 = (Q1 + P2) / 2.
    const std::vector<CubicSegment> bend = cubicControlPoints({{0, 0}, {1, 1}, {2, 0}});
    ASSERT_EQ(bend.size(), 2u);
    EXPECT_DOUBLE_EQ(bend[0].controlPoint1.x, 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(bend[0].controlPoint1.y, 0.5);
    EXPECT_DOUBLE_EQ(bend[1].controlPoint1.x, 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(bend[1].controlPoint1.y, 1.0);
    EXPECT_DOUBLE_EQ(bend[0].controlPoint2.x, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(bend[0].controlPoint2.y, 1.0);
    EXPECT_DOUBLE_EQ(bend[1].controlPoint2.x, 5.0 / 3.0);
    EXPECT_DOUBLE_EQ(bend[1].controlPoint2.y, 0.5);

    EXPECT_TRUE(cubicControlPoints({{1, 1}}).empty());
}

TEST(CubicControlPointsTest, ChainIsSmoothThroughEveryInnerPoint) {
    // Points on a line at equal spacing give control points on the line at the thirds.
    const std::vector<CubicSegment> line =
        cubicControlPoints({{0, 0}, {3, 6}, {6, 12}, {9, 18}, {12, 24}});
    for (std::size_t i = 0; i < line.size(); ++i) {
        EXPECT_NEAR(line[i].controlPoint1.x, 3.0 * static_cast<double>(i) + 1.0, 1e-12) << i;
        EXPECT_NEAR(line[i].controlPoint1.y, 2.0 * line[i].controlPoint1.x, 1e-12) << i;
        EXPECT_NEAR(line[i].controlPoint2.x, 3.0 * static_cast<double>(i) + 2.0, 1e-12) << i;
    }
    // Anywhere: the two control points at an inner key point mirror each other.
    const std::vector<Point> keys = {{0, 0}, {12, 30}, {20, 5}, {21, 80}, {40, 40}, {40, 0}};
    const std::vector<CubicSegment> chain = cubicControlPoints(keys);
    ASSERT_EQ(chain.size(), keys.size() - 1);
    for (std::size_t i = 1; i + 1 < keys.size(); ++i) {
        EXPECT_NEAR(chain[i - 1].controlPoint2.x - keys[i].x, keys[i].x - chain[i].controlPoint1.x,
                    1e-9)
            << i;
        EXPECT_NEAR(chain[i - 1].controlPoint2.y - keys[i].y, keys[i].y - chain[i].controlPoint1.y,
                    1e-9)
            << i;
    }
}

TEST(BezierRampTest, SamplesTwentyPointsPerUnitOfXAndKeepsTheKeys) {
    const std::vector<Point> curve = bezierCurvePoints({0, 5, 10}, {0, 40, 20});
    // dt = 0.01 added up: 100 or 101 points per segment, the keys among them.
    ASSERT_GE(curve.size(), 200u);
    ASSERT_LE(curve.size(), 202u);
    EXPECT_EQ(curve.front(), (Point{0, 0}));
    const auto atKey = std::find_if(curve.begin(), curve.end(), [](const Point& p) {
        return p == Point{5, 40};
    });
    EXPECT_NE(atKey, curve.end());

    // A segment of zero width adds only its start point; 20 steps of 0.05 add up to just
    // over 1, so the next segment stops before its end.
    EXPECT_EQ(bezierCurvePoints({0, 0, 1}, {0, 10, 10}).size(), 1u + 20u);
    EXPECT_TRUE(bezierCurvePoints({0, 1}, {0, 1}).empty());
}

TEST(BezierRampTest, RampTakesAsManyValuesAsItsStepCount) {
    const std::vector<double> xs = {10, 24, 40, 60, 100};
    const std::vector<double> ys = {0, 8, 40, 16, 0};
    EXPECT_EQ(bezierRamp(xs, ys, 90).size(), 90u);
    // A count that is not whole gives the next whole number of values; none for no steps or
    // too few keys.
    EXPECT_EQ(bezierRamp(xs, ys, 90.5).size(), 91u);
    EXPECT_TRUE(bezierRamp(xs, ys, 0).empty());
    EXPECT_TRUE(bezierRamp({0, 1}, {0, 1}, 10).empty());
}

TEST(BezierRampTest, InkCurveHas256ValuesAndSoftensOvershoot) {
    // Fewer than three keys: the straight ramp from 0 to the last y value.
    const std::vector<double> ramp = bezierInkCurve({0, 255}, {0, 51000});
    ASSERT_EQ(ramp.size(), 256u);
    EXPECT_EQ(ramp[0], 0.0);
    EXPECT_EQ(ramp[255], 51000.0);
    EXPECT_EQ(ramp[51], 51.0 * 51000.0 / 255.0);
    EXPECT_EQ(bezierInkCurve({}, {}), std::vector<double>(256, 0.0));

    // A sharp drop to 0 overshoots below 0: kept, scaled by 0.66.
    const std::vector<double> xs = {0, 100, 110, 255};
    const std::vector<double> ys = {0, 60000, 0, 0};
    const std::vector<Point> dense = bezierCurvePoints(xs, ys);
    const std::vector<double> inkCurve = bezierInkCurve(xs, ys);
    ASSERT_EQ(inkCurve.size(), 256u);
    const auto lowest = std::min_element(inkCurve.begin(), inkCurve.end());
    ASSERT_LT(*lowest, 0.0);
    double lowestDense = 0.0;
    for (const Point& p : dense) {
        lowestDense = std::min(lowestDense, p.y);
    }
    EXPECT_GE(*lowest, 0.66 * lowestDense - 1e-9);
}

}  // namespace
}  // namespace sg
