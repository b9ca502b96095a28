#include "Linearization/ToneControlPoints.h"

#include <gtest/gtest.h>

namespace sg {
namespace {

TEST(ToneControlPointsTest, OutputsFollowControlValuesWithTheirLimits) {
    ToneControlPoints control;
    control.shadow.adjustment = -20.0;  // a slider at +20
    control.updateKeys();
    EXPECT_DOUBLE_EQ(control.shadow.output, 20.0);
    EXPECT_EQ(control.midtone.output, 50.0);
    EXPECT_EQ(control.highlight.output, 75.0);

    control.shadow.adjustment = 400.0;
    control.highlight.adjustment = -150.0;
    control.midtone.adjustment = 150.0;  // not limited
    control.updateKeys();
    EXPECT_EQ(control.shadow.output, 99.9);
    EXPECT_EQ(control.highlight.output, 0.03125);
    EXPECT_EQ(control.midtone.output, 125.0);
    EXPECT_EQ(control.keyOutputs, (std::vector<double>{100.0, 0.03125, 125.0, 99.9, 0.0}));

    // Exactly 100 and exactly 0 are inside the limits.
    control.shadow.adjustment = 300.0;
    control.highlight.adjustment = -100.0;
    control.updateKeys();
    EXPECT_EQ(control.shadow.output, 100.0);
    EXPECT_EQ(control.highlight.output, 0.0);
}

// Untouched points give the identity (checked through the correction curve); the sampling adds
// up its step, so 256 samples stay below 100 and 100 itself closes the curve.
TEST(ToneControlPointsTest, UntouchedCurveEndsWithTheSummedStepThenExactly100) {
    ToneControlPoints control;
    control.updateKeys();
    const std::vector<double> points = control.sampledCurve();
    ASSERT_EQ(points.size(), 257u);
    EXPECT_EQ(points.front(), 0.0);
    EXPECT_NEAR(points[255], 99.99999999999972, 1e-12);
    EXPECT_EQ(points.back(), 100.0);
}

TEST(ToneControlPointsTest, BentCurvePassesThroughItsPointsAndStaysWithinRange) {
    ToneControlPoints control;
    control.shadow.adjustment = -40.0;
    control.midtone.adjustment = 30.0;
    control.highlight.adjustment = 50.0;
    control.updateKeys();
    EXPECT_NEAR(control.valueAt(25.0), 15.0, 1e-9);
    EXPECT_NEAR(control.valueAt(50.0), 65.0, 1e-9);
    // 75 * 1.5 = 112.5 is above the range: the curve is cut at 100.
    EXPECT_EQ(control.valueAt(75.0), 100.0);
    for (const double point : control.sampledCurve()) {
        EXPECT_GE(point, 0.0);
        EXPECT_LE(point, 100.0);
    }
}

}  // namespace
}  // namespace sg
