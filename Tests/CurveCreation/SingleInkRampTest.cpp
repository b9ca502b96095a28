#include "CurveCreation/SingleInkRamp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "CurveMath/BezierRamp.h"
#include "CurveMath/Resample.h"

namespace sg {
namespace {

// `zeros` zeros, then the curve, cut or padded to the ramp's length.
std::vector<double> rampOf(std::size_t zeros, const std::vector<double>& curve) {
    std::vector<double> ramp(zeros, 0.0);
    ramp.insert(ramp.end(), curve.begin(), curve.end());
    ramp.resize(rampLength, 0.0);
    return ramp;
}

std::size_t peakIndex(const std::vector<double>& ramp) {
    return static_cast<std::size_t>(std::max_element(ramp.begin(), ramp.end()) - ramp.begin());
}

TEST(SingleInkRampTest, BezierRampsFollowTheirKeyPointsAndStepCounts) {
    // One ink of gray value 100: keys (0,0) (0,10) (75,75) (100,100) (175,175) over 175 steps,
    // of which the first 100 are kept.
    const std::vector<double> darkest = singleInkRamp({0, 100, 100, 0, 0}, RampShape::bezier);
    const std::vector<double> darkestCurve =
        bezierRamp({0, 0, 75, 100, 175}, {0, 10, 75, 100, 175}, 175);
    ASSERT_EQ(darkestCurve.size(), 175u);
    EXPECT_EQ(darkest, rampOf(0, darkestCurve));
    EXPECT_EQ(darkest[0], 0.0);
    EXPECT_NEAR(darkest[1], 10.0, 2.0);  // the coinciding first keys give one point
    EXPECT_NEAR(darkest[99], 99.0, 1.0);

    // A lighter ink between 20 and 100, starting half its neighbour's gray value early: ten
    // zeros, then keys (10,0) (24,8) (40,40) (60,16) (100,0) over 90 steps fill the ramp.
    const std::vector<double> lighter = singleInkRamp({20, 40, 100, 0.5, 0}, RampShape::bezier);
    const std::vector<double> lighterCurve =
        bezierRamp({10, 24, 40, 60, 100}, {0, 8, 40, 16, 0}, 90);
    ASSERT_EQ(lighterCurve.size(), 90u);
    EXPECT_EQ(lighter, rampOf(10, lighterCurve));
    EXPECT_NEAR(static_cast<double>(peakIndex(lighter)), 40.0, 2.0);
    EXPECT_NEAR(lighter[peakIndex(lighter)], 40.0, 1.0);
    EXPECT_NEAR(lighter[99], 0.0, 0.5);

    // The lightest ink starts at once whatever its starting overlap, rising at a fifth of its
    // gray value.
    const std::vector<double> lightest = singleInkRamp({0, 30, 60, 0.9, 0.2}, RampShape::bezier);
    EXPECT_EQ(lightest, rampOf(0, bezierRamp({0, 6, 30, 36, 72}, {0, 6, 30, 12, 0}, 72)));

    // An ending overlap past 100 cuts the ramp before it comes back to 0.
    const std::vector<double> cut = singleInkRamp({20, 60, 100, 0, 0.5}, RampShape::bezier);
    EXPECT_EQ(cut, rampOf(20, bezierRamp({20, 24, 60, 60, 150}, {0, 12, 60, 24, 0}, 130)));
    EXPECT_GT(cut[99], 1.0);
}

TEST(SingleInkRampTest, SplineRampsFollowTheirKeyPointsAndStepCounts) {
    // The darkest ink starting at 30: the first 70 of 100 spline samples, so it stops short of
    // 100.
    const std::vector<double> darkest = singleInkRamp({40, 100, 100, 0.25, 0}, RampShape::spline);
    const std::vector<double> samples =
        resample({30, 44, 75, 100}, {0, 10, 75, 100}, Interpolation::spline, 100);
    EXPECT_EQ(darkest, rampOf(30, samples));
    EXPECT_LT(darkest[99], 90.0);

    // A lighter ink: counted from the end abscissa less so * nl (110 - 5 = 105 over a span of
    // 95, the tail cut), then smoothed over three.
    const std::vector<double> lighter = singleInkRamp({20, 40, 100, 0.25, 0.1}, RampShape::spline);
    const std::vector<double> lighterCurve =
        resample({15, 24, 40, 70, 110}, {0, 8, 40, 12, 0}, Interpolation::spline, 105);
    ASSERT_EQ(lighterCurve.size(), 105u);
    EXPECT_EQ(lighter, threePointSmoothed(rampOf(15, lighterCurve)));

    // The lightest ink: 0.2 g as its second abscissa, no leading zeros.
    const std::vector<double> lightest = singleInkRamp({0, 30, 60, 0.5, 0}, RampShape::spline);
    EXPECT_EQ(lightest, threePointSmoothed(rampOf(0, resample({0, 6, 30, 42, 60}, {0, 6, 30, 9, 0},
                                                              Interpolation::spline, 60))));
}

TEST(SingleInkRampTest, SplineRampsNeverGoNegativeAndNoRampHoldsANonNumber) {
    const InkBand bands[] = {
        {0, 100, 100, 0, 0},     {0, 100, 100, 0.1, 0.1}, {40, 100, 100, 0.25, 0},
        {20, 40, 100, 0.5, 0},   {0, 12, 25, 0.1, 0.9},   {80, 90, 95, 0.1, 0.1},
        {60, 30, 100, 0.1, 0.1},  // crossing neighbours: the keys fall back in x
        {90, 95, 40, 0, 0},       // a darker neighbour below the ink
        {0, 0, 50, 0.1, 0.1},     // an ink at gray value 0
        {50, 100, 25, 0, 1},      // a Bezier span of 0: nothing to sample
    };
    bool bezierOvershoots = false;
    for (const InkBand& band : bands) {
        SCOPED_TRACE(testing::Message()
                     << band.nextLighter << " " << band.grayValue << " " << band.nextDarker);
        for (const RampShape shape : {RampShape::bezier, RampShape::spline}) {
            const std::vector<double> ramp = singleInkRamp(band, shape);
            ASSERT_EQ(ramp.size(), rampLength);
            for (const double value : ramp) {
                ASSERT_TRUE(std::isfinite(value));
                if (shape == RampShape::spline) {
                    ASSERT_GE(value, 0.0);
                } else {
                    bezierOvershoots = bezierOvershoots || value < 0.0;
                }
            }
        }
    }
    // The Bezier chain may dip below 0 after a sharp fall; the spline never does.
    EXPECT_TRUE(bezierOvershoots);
}

TEST(SingleInkRampTest, ThreePointSmoothingKeepsTheEndsAndCutsAtZero) {
    EXPECT_EQ(threePointSmoothed({3, 0, 6, -9, 3, 12}), (std::vector<double>{3, 3, 0, 0, 2, 12}));
    EXPECT_EQ(threePointSmoothed({-1, 5}), (std::vector<double>{-1, 5}));
    EXPECT_TRUE(threePointSmoothed({}).empty());
}

}  // namespace
}  // namespace sg
