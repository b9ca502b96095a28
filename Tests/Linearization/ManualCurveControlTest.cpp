#include "Linearization/ManualCurveControl.h"

#include <gtest/gtest.h>

namespace sg {
namespace {

TEST(ManualCurveControlTest, OutputsFollowControlValuesWithTheirLimits) {
    ManualCurveControl control;
    control.shadowControlValue = -20.0;  // a slider at +20
    control.updateControlYs();
    EXPECT_DOUBLE_EQ(control.shadowOutput, 20.0);
    EXPECT_EQ(control.midOutput, 50.0);
    EXPECT_EQ(control.highlightOutput, 75.0);

    control.shadowControlValue = 400.0;
    control.highlightControlValue = -150.0;
    control.midControlValue = 150.0;  // not limited
    control.updateControlYs();
    EXPECT_EQ(control.shadowOutput, 99.9);
    EXPECT_EQ(control.highlightOutput, 0.03125);
    EXPECT_EQ(control.midOutput, 125.0);
    EXPECT_EQ(control.ys, (std::vector<double>{100.0, 0.03125, 125.0, 99.9, 0.0}));

    // Exactly 100 and exactly 0 are inside the limits.
    control.shadowControlValue = 300.0;
    control.highlightControlValue = -100.0;
    control.updateControlYs();
    EXPECT_EQ(control.shadowOutput, 100.0);
    EXPECT_EQ(control.highlightOutput, 0.0);
}

// Untouched points give the identity (checked through the correction curve); the sampling adds
// up its step, so 256 samples stay below 100 and 100 itself closes the curve.
TEST(ManualCurveControlTest, UntouchedCurveEndsWithTheSummedStepThenExactly100) {
    ManualCurveControl control;
    control.updateControlXs();
    control.updateControlYs();
    const std::vector<double> points = control.controlCurvePoints();
    ASSERT_EQ(points.size(), 257u);
    EXPECT_EQ(points.front(), 0.0);
    EXPECT_NEAR(points[255], 99.99999999999972, 1e-12);
    EXPECT_EQ(points.back(), 100.0);
}

TEST(ManualCurveControlTest, BentCurvePassesThroughItsPointsAndStaysWithinRange) {
    ManualCurveControl control;
    control.shadowControlValue = -40.0;
    control.midControlValue = 30.0;
    control.highlightControlValue = 50.0;
    control.updateControlXs();
    control.updateControlYs();
    EXPECT_NEAR(control.controlCurveValue(25.0), 15.0, 1e-9);
    EXPECT_NEAR(control.controlCurveValue(50.0), 65.0, 1e-9);
    // 75 * 1.5 = 112.5 is above the range: the curve is cut at 100.
    EXPECT_EQ(control.controlCurveValue(75.0), 100.0);
    for (const double point : control.controlCurvePoints()) {
        EXPECT_GE(point, 0.0);
        EXPECT_LE(point, 100.0);
    }
}

}  // namespace
}  // namespace sg
