#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

#include "MeasurementData/MovingAverage.h"
#include "MeasurementData/SplineSmoother.h"

namespace sg {
namespace {

// A measured-looking response: falling from paper white to black, with misreads that make it
// non-monotone in places.
std::vector<double> noisyWedge(std::size_t n = 256) {
    std::vector<double> values;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(n);
        values.push_back(96.0 - 90.0 * std::pow(x, 0.8) + 1.5 * std::sin(static_cast<double>(i)));
    }
    return values;
}

std::vector<double> sortedDescending(std::vector<double> values) {
    std::sort(values.begin(), values.end(), std::greater<>());
    return values;
}

double meanOf(const std::vector<double>& v, std::size_t first, std::size_t last) {
    return std::accumulate(v.begin() + static_cast<long>(first),
                           v.begin() + static_cast<long>(last) + 1, 0.0) /
           static_cast<double>(last - first + 1);
}

bool nonIncreasing(const std::vector<double>& v) {
    return std::adjacent_find(v.begin(), v.end(), std::less<>()) == v.end();
}

TEST(MovingAverageTest, SmallWindowsKeepOrSortTheCurveAndWindowTenAveragesFive) {
    const std::vector<double> input = noisyWedge();
    const std::vector<double> s = sortedDescending(input);
    for (const int window : {-3, 0, 1}) {
        std::vector<double> expected = input;
        expected.front() = s.front();
        expected.back() = s.back();
        EXPECT_EQ(MovingAverage(input, window).averageValues, expected) << window;
    }
    for (const int window : {2, 3}) {
        EXPECT_EQ(MovingAverage(input, window).averageValues, s) << window;
    }

    const MovingAverage average(input, 10);
    const std::vector<double>& out = average.averageValues;
    ASSERT_EQ(out.size(), 256u);
    EXPECT_EQ(out[0], s[0]);
    EXPECT_DOUBLE_EQ(out[1], meanOf(s, 0, 2));
    EXPECT_DOUBLE_EQ(out[2], meanOf(s, 0, 4));
    EXPECT_DOUBLE_EQ(out[100], meanOf(s, 98, 102));
    EXPECT_DOUBLE_EQ(out[253], meanOf(s, 251, 254));
    EXPECT_DOUBLE_EQ(out[254], meanOf(s, 252, 254));  // the smallest value closes no window
    EXPECT_EQ(out[255], s[255]);
    EXPECT_EQ(average.inputMeausurements, input);
}

TEST(MovingAverageTest, AnyRealWindowGivesANonIncreasingCurveWithinTheData) {
    // Oversized windows are limited: under the sanitizers nothing may read beyond the data.
    for (const std::size_t n : {1u, 2u, 3u, 5u, 20u, 256u}) {
        std::vector<double> input = noisyWedge(n);
        input[n / 2] += 10.0;  // one bright misread
        for (const int window : {2, 4, 7, 10, 50, 515, 516, 100000}) {
            const std::vector<double> out = MovingAverage(input, window).averageValues;
            ASSERT_EQ(out.size(), n);
            EXPECT_TRUE(nonIncreasing(out)) << n << " values, window " << window;
            EXPECT_EQ(out.front(), *std::max_element(input.begin(), input.end()));
            EXPECT_EQ(out.back(), *std::min_element(input.begin(), input.end()));
        }
    }
    EXPECT_TRUE(MovingAverage({}, 10).averageValues.empty());
}

TEST(SplineSmootherTest, PercentZeroUsesEightyFourAveragedPointsEveryThreeValues) {
    const std::vector<double> input = sortedDescending(noisyWedge());
    const SplineSmoother smoother(input, 0.0);

    EXPECT_DOUBLE_EQ(smoother.pointsToSpline, 81.92);
    ASSERT_EQ(smoother.splineYPoints.size(), 86u);
    ASSERT_EQ(smoother.splineXPoints.size(), 86u);
    EXPECT_EQ(smoother.splineYPoints.front(), input.front());
    EXPECT_EQ(smoother.splineYPoints.back(), input.back());
    EXPECT_EQ(smoother.splineXPoints.front(), 0.0);
    EXPECT_EQ(smoother.splineXPoints.back(), 1.0);
    for (std::size_t p = 1; p <= 84; ++p) {
        const std::size_t idx = 3 * p;
        EXPECT_EQ(smoother.splineXPoints[p], static_cast<double>(idx) / 256.0);
        EXPECT_DOUBLE_EQ(smoother.splineYPoints[p], meanOf(input, idx - 2, idx + 2));
    }

    ASSERT_EQ(smoother.interpolatedArray.size(), 256u);
    // Keys at multiples of 3/256 are sampled exactly; the spline passes through them.
    EXPECT_DOUBLE_EQ(smoother.interpolatedArray[3], smoother.splineYPoints[1]);
    EXPECT_DOUBLE_EQ(smoother.interpolatedArray[252], smoother.splineYPoints[84]);
    EXPECT_EQ(smoother.interpolatedArray[255], input.back());

    const std::vector<double>& out = smoother.splineSmoothedOutputArray;
    ASSERT_EQ(out.size(), 86u);
    EXPECT_EQ(out.back(), input.back());
    EXPECT_TRUE(nonIncreasing(smoother.interpolatedArray));
    EXPECT_TRUE(nonIncreasing(out));
}

TEST(SplineSmootherTest, LargerPercentagesSpaceThePointsFurther) {
    const std::vector<double> input = sortedDescending(noisyWedge());
    const auto positionsOf = [](const SplineSmoother& smoother) {
        std::vector<double> positions;
        for (const double x : smoother.splineXPoints) {
            positions.push_back(x * 256.0);
        }
        return positions;
    };

    std::vector<double> everyEight;
    for (int idx = 0; idx <= 248; idx += 8) {
        everyEight.push_back(idx);
    }
    everyEight.push_back(256);
    EXPECT_EQ(positionsOf(SplineSmoother(input, 0.2)), everyEight);

    // 0.32 n - 0.3 n lands just above 5.12, so the step is 49, not 50.
    const SplineSmoother sparse(input, 0.3);
    EXPECT_GT(sparse.pointsToSpline, 5.12);
    EXPECT_EQ(positionsOf(sparse), (std::vector<double>{0, 49, 98, 147, 196, 245, 256}));
    EXPECT_EQ(sparse.splineSmoothedOutputArray.size(), 86u);
    EXPECT_TRUE(nonIncreasing(sparse.splineSmoothedOutputArray));
}

TEST(SplineSmootherTest, FiveOrFewerPointsRunTheSplineThroughEveryValue) {
    const std::vector<double> input = noisyWedge();
    for (const double percent : {0.31, 0.30047, 0.5, 3.0}) {
        const SplineSmoother smoother(input, percent);
        EXPECT_LE(smoother.pointsToSpline, 5.0) << percent;
        EXPECT_TRUE(smoother.splineYPoints.empty());
        ASSERT_EQ(smoother.splineXPoints.size(), 256u);
        EXPECT_EQ(smoother.splineXPoints[255], 1.0);
        EXPECT_EQ(smoother.interpolatedArray[0], input[0]);
        EXPECT_EQ(smoother.interpolatedArray[255], *std::min_element(input.begin(), input.end()));
        EXPECT_EQ(smoother.splineSmoothedOutputArray.size(), 86u);
    }
    // Through every value, the noise stays in.
    const SplineSmoother through(input, 0.31);
    EXPECT_FALSE(nonIncreasing(through.interpolatedArray));
}

TEST(SplineSmootherTest, ResamplingIsNotClampedAndThinningAveragesFiveSamples) {
    const std::vector<double> falling = SplineSmoother::splineResample256({1.0, -1.0}, {0.0, 1.0});
    ASSERT_EQ(falling.size(), 256u);
    EXPECT_EQ(falling[0], 1.0);
    EXPECT_EQ(falling[128], 0.0);
    EXPECT_EQ(falling[192], -0.5);  // negative samples are kept
    EXPECT_EQ(falling[255], -1.0);  // the smallest value, not the sample at 255/256

    std::vector<double> ramp(256);
    std::iota(ramp.begin(), ramp.end(), 0.0);
    const std::vector<double> thinned = SplineSmoother::thinOutput(ramp);
    ASSERT_EQ(thinned.size(), 86u);
    EXPECT_EQ(thinned[0], 0.0);
    for (std::size_t j = 1; j <= 84; ++j) {
        EXPECT_EQ(thinned[j], static_cast<double>(3 * j - 1)) << j;
    }
    EXPECT_EQ(thinned[85], 255.0);
    EXPECT_EQ(SplineSmoother::thinOutput({4.0, 5.0}), (std::vector<double>{4.0}));
    EXPECT_EQ(SplineSmoother::thinOutput({4.0, 5.0, 6.0}), (std::vector<double>{4.0, 6.0}));

    // Short inputs and negative percentages stay inside the data (run under the sanitizers).
    for (const double percent : {0.0, -0.3, -100.0}) {
        EXPECT_EQ(SplineSmoother(noisyWedge(40), percent).splineSmoothedOutputArray.size(), 86u);
    }
    EXPECT_EQ(SplineSmoother({42.0}, 0.0).splineSmoothedOutputArray, std::vector<double>(86, 42.0));
    EXPECT_TRUE(SplineSmoother({}, 0.0).splineSmoothedOutputArray.empty());
}

}  // namespace
}  // namespace sg
