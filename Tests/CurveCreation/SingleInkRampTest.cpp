#include "CurveCreation/SingleInkRamp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "CurveMath/BezierRamp.h"
#include "CurveMath/Resample.h"

namespace sg {
namespace {

TEST(SingleInkRampTest, RampsFollowTheirKeyPointsAndStepCounts) {
    struct Row {
        const char* name;
        InkBand band;
        RampShape shape;
        std::size_t zeros;
        std::vector<double> xs, ys;
        double steps;
    };
    const RampShape bz = RampShape::bezier;
    const RampShape sp = RampShape::spline;
    const Row rows[] = {
        {"one", {0, 100, 100, 0, 0}, bz, 0, {0, 0, 75, 100, 175}, {0, 10, 75, 100, 175}, 175},
        {"mid", {20, 40, 100, 0.5, 0}, bz, 10, {10, 24, 40, 60, 100}, {0, 8, 40, 16, 0}, 90},
        {"light", {0, 30, 60, 0.9, 0.2}, bz, 0, {0, 6, 30, 36, 72}, {0, 6, 30, 12, 0}, 72},
        {"cut", {20, 60, 100, 0, 0.5}, bz, 20, {20, 24, 60, 60, 150}, {0, 12, 60, 24, 0}, 130},
        {"dark", {40, 100, 100, 0.25, 0}, sp, 30, {30, 44, 75, 100}, {0, 10, 75, 100}, 100},
        // Counted from the end less so * nl (110 - 5), not over the span (95): the tail is cut.
        {"mid", {20, 40, 100, 0.25, 0.1}, sp, 15, {15, 24, 40, 70, 110}, {0, 8, 40, 12, 0}, 105},
        {"light", {0, 30, 60, 0.5, 0}, sp, 0, {0, 6, 30, 42, 60}, {0, 6, 30, 9, 0}, 60},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + (row.shape == bz ? " bezier" : " spline"));
        const std::vector<double> curve =
            row.shape == bz ? bezierRamp(row.xs, row.ys, row.steps)
                            : resample(row.xs, row.ys, Interpolation::spline, row.steps);
        ASSERT_EQ(curve.size(), static_cast<std::size_t>(row.steps));
        std::vector<double> expected(row.zeros, 0.0);
        expected.insert(expected.end(), curve.begin(), curve.end());
        expected.resize(rampLength, 0.0);
        // The lighter inks' spline ramps are smoothed once.
        if (row.shape == sp && row.band.grayValue != row.band.nextDarker) {
            expected = threePointSmoothed(expected);
        }
        EXPECT_EQ(singleInkRamp(row.band, row.shape), expected);
    }

    // What the photographer sees of them: one ink climbs at once to about 10 and on to 99 ...
    const std::vector<double> oneInk = singleInkRamp({0, 100, 100, 0, 0}, bz);
    EXPECT_NEAR(oneInk[1] - oneInk[0], 10.0, 2.0);
    EXPECT_NEAR(oneInk[99], 99.0, 1.0);
    // ... a lighter ink peaks at its gray value and falls back to 0 at its darker neighbour ...
    const std::vector<double> lighter = singleInkRamp({20, 40, 100, 0.5, 0}, bz);
    const auto peak = std::max_element(lighter.begin(), lighter.end());
    EXPECT_NEAR(static_cast<double>(peak - lighter.begin()), 40.0, 2.0);
    EXPECT_NEAR(*peak, 40.0, 1.0);
    EXPECT_NEAR(lighter[99], 0.0, 0.5);
    // ... or does not, when its ending overlap runs past 100; and the darkest ink starting at
    // 30 stops short of 100.
    EXPECT_GT(singleInkRamp({20, 60, 100, 0, 0.5}, bz)[99], 1.0);
    EXPECT_LT(singleInkRamp({40, 100, 100, 0.25, 0}, sp)[99], 90.0);
}

TEST(SingleInkRampTest, SplineRampsNeverGoNegativeAndNoRampHoldsANonNumber) {
    const InkBand bands[] = {
        {0, 12, 25, 0.1, 0.9},   {80, 90, 95, 0.1, 0.1},
        {60, 30, 100, 0.1, 0.1},  // crossing neighbours: the keys fall back in x
        {90, 95, 40, 0, 0},       // a darker neighbour below the ink
        {0, 0, 50, 0.1, 0.1},     // an ink at gray value 0
        {50, 100, 25, 0, 1},      // a Bezier span of 0: nothing to sample
    };
    bool bezierOvershoots = false;
    for (const InkBand& band : bands) {
        for (const RampShape shape : {RampShape::bezier, RampShape::spline}) {
            const std::vector<double> ramp = singleInkRamp(band, shape);
            ASSERT_EQ(ramp.size(), rampLength);
            for (const double value : ramp) {
                ASSERT_TRUE(std::isfinite(value)) << band.nextLighter << " " << band.grayValue;
                ASSERT_TRUE(shape == RampShape::bezier || value >= 0.0) << band.grayValue;
                bezierOvershoots = bezierOvershoots || value < 0.0;
            }
        }
    }
    // The Bezier chain may dip below 0 after a sharp fall; the spline never does.
    EXPECT_TRUE(bezierOvershoots);
}

TEST(SingleInkRampTest, ThreePointSmoothingKeepsTheEndsAndCutsAtZero) {
    EXPECT_EQ(threePointSmoothed({3, 0, 6, -9, 3, 12}), (std::vector<double>{3, 3, 0, 0, 2, 12}));
    EXPECT_EQ(threePointSmoothed({-1, 5}), (std::vector<double>{-1, 5}));
}

}  // namespace
}  // namespace sg
