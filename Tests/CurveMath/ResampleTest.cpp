#include "CurveMath/Resample.h"

#include <gtest/gtest.h>

#include "CurveMath/KeyframeSequence.h"
#include "CurveMath/MeasurementStepScale.h"

namespace sg {
namespace {

TEST(Resample, LinearSamplesAtKOverNAndNeverTheLastKey) {
    const auto linear = resample({0, 127.5, 255}, {0, 50, 100}, Interpolation::linear, 256);
    ASSERT_EQ(linear.size(), 256u);
    EXPECT_EQ(linear[0], 0.0);
    EXPECT_EQ(linear[128], 50.0);
    EXPECT_EQ(linear[255], 99.609375);

    // Only the shape of the x values matters.
    EXPECT_EQ(resample({0, 0.5, 1}, {0, 50, 100}, Interpolation::linear, 256), linear);
    EXPECT_EQ(resample({10, 137.5, 265}, {0, 50, 100}, Interpolation::linear, 256), linear);
}

TEST(Resample, SampleCountsFollowTheProductRule) {
    EXPECT_EQ(resample({0, 1}, {0, 1}, Interpolation::linear, 100).size(), 100u);
    EXPECT_DOUBLE_EQ(resample({0, 1}, {0, 1}, Interpolation::linear, 100).back(), 0.99);
    EXPECT_EQ(resample({0, 1}, {0, 1}, Interpolation::linear, 101).size(), 101u);
    EXPECT_EQ(unitSampleTimes(1.0 / 256).size(), 256u);
    // The count is that of k with k * (1/N) < 1 in doubles: 49 * (1/49) falls below 1.
    EXPECT_EQ(unitSampleTimes(1.0 / 49).size(), 50u);
    EXPECT_TRUE(unitSampleTimes(0.0).empty());
}

TEST(Resample, SplineCutsNegativeValuesLinearKeepsThem) {
    const std::vector<double> xs{0, 1, 2, 3, 4};
    const std::vector<double> ys{1, -2, 3, -4, 5};
    const auto spline = resample(xs, ys, Interpolation::spline, 256);
    const auto linear = resample(xs, ys, Interpolation::linear, 256);
    ASSERT_EQ(spline.size(), 256u);
    for (const double value : spline) {
        EXPECT_GE(value, 0.0);
    }
    EXPECT_EQ(linear[64], -2.0);
}

TEST(KeyframeSequence, SplinePassesThroughKeysAndStaysMonotone) {
    const std::vector<double> xs{0, 0.1, 0.15, 0.5, 0.9, 1.0};
    const std::vector<double> ys{95, 90, 70, 40, 6, 5};
    const KeyframeSequence spline(xs, ys, Interpolation::spline);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_DOUBLE_EQ(spline.sampleAtTime(xs[i]), ys[i]);
    }
    double previous = spline.sampleAtTime(0.0);
    for (int k = 1; k <= 1000; ++k) {
        const double value = spline.sampleAtTime(k / 1000.0);
        EXPECT_LE(value, previous + 1e-12) << k;
        previous = value;
    }
}

TEST(KeyframeSequence, PinnedSlopesAndKeyRules) {
    // Flat neighbours give a zero slope: no overshoot past a plateau.
    const KeyframeSequence plateau({0, 1, 2, 3}, {0, 1, 1, 2}, Interpolation::spline);
    EXPECT_EQ(plateau.sampleAtTime(1.5), 1.0);
    // Two keys: the straight line.
    EXPECT_EQ(KeyframeSequence({0, 2}, {1, 5}, Interpolation::spline).sampleAtTime(0.5), 2.0);
    // One key: that value everywhere.
    EXPECT_EQ(KeyframeSequence({3}, {7}, Interpolation::spline).sampleAtTime(0.2), 7.0);
    // Unsorted keys are sorted; of equal times the first is kept.
    const KeyframeSequence unsorted({1, 0, 1}, {10, 0, 99}, Interpolation::linear);
    EXPECT_EQ(unsorted.sampleAtTime(0.5), 5.0);
    // (0,0) (1,1) (2,4) (3,9): inner slopes 1.5 and 3.75 by the weighted harmonic mean.
    const KeyframeSequence pchip({0, 1, 2, 3}, {0, 1, 4, 9}, Interpolation::spline);
    EXPECT_DOUBLE_EQ(pchip.sampleAtTime(1.5), 2.21875);

    // End slopes: one that points against its interval (-0.5 here) becomes 0; where the data
    // turns, one steeper than three times its interval's slope (6.5 here) is limited to that.
    EXPECT_DOUBLE_EQ(
        KeyframeSequence({0, 1, 2}, {0, 1, 5}, Interpolation::spline).sampleAtTime(0.5), 0.3);
    const KeyframeSequence turning({0, 1, 2}, {0, 1, -9}, Interpolation::spline);
    EXPECT_EQ(turning.sampleAtTime(0.5), 0.875);
    // The last end by the same rule from its own side: -15.5 is within three times -10.
    EXPECT_EQ(turning.sampleAtTime(1.5), -2.0625);
}

TEST(MeasurementStepScale, BuiltByRepeatedAddition) {
    const auto scale = measurementStepScale(21);
    ASSERT_EQ(scale.size(), 21u);
    EXPECT_EQ(scale[0], 0.0);
    EXPECT_EQ(scale[1], 0.05);
    // Sums, not products: 10 x 0.05 would be 0.5 and 20 x 0.05 exactly 1.0.
    EXPECT_EQ(scale[10], 0.49999999999999994);
    EXPECT_EQ(scale[20], 1.0000000000000002);
    EXPECT_EQ(measurementStepScale(1), std::vector<double>{0.0});
}

}  // namespace
}  // namespace sg
