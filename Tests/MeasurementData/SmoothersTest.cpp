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
        EXPECT_EQ(movingAverage(input, window), expected) << window;
    }
    for (const int window : {2, 3}) {
        EXPECT_EQ(movingAverage(input, window), s) << window;
    }

    const std::vector<double> out = movingAverage(input, 10);
    ASSERT_EQ(out.size(), 256u);
    EXPECT_EQ(out[0], s[0]);
    EXPECT_DOUBLE_EQ(out[1], meanOf(s, 0, 2));
    EXPECT_DOUBLE_EQ(out[2], meanOf(s, 0, 4));
    EXPECT_DOUBLE_EQ(out[100], meanOf(s, 98, 102));
    EXPECT_DOUBLE_EQ(out[253], meanOf(s, 251, 254));
    EXPECT_DOUBLE_EQ(out[254], meanOf(s, 252, 254));  // the smallest value closes no window
    EXPECT_EQ(out[255], s[255]);
}

TEST(MovingAverageTest, AnyRealWindowGivesANonIncreasingCurveWithinTheData) {
    // Oversized windows are limited: under the sanitizers nothing may read beyond the data.
    for (const std::size_t n : {1u, 2u, 3u, 5u, 20u, 256u}) {
        std::vector<double> input = noisyWedge(n);
        input[n / 2] += 10.0;  // one bright misread
        for (const int window : {2, 4, 7, 10, 50, 515, 516, 100000}) {
            const std::vector<double> out = movingAverage(input, window);
            ASSERT_EQ(out.size(), n);
            EXPECT_TRUE(nonIncreasing(out)) << n << " values, window " << window;
            EXPECT_EQ(out.front(), *std::max_element(input.begin(), input.end()));
            EXPECT_EQ(out.back(), *std::min_element(input.begin(), input.end()));
        }
    }
    EXPECT_TRUE(movingAverage({}, 10).empty());
}

TEST(SplineSmootherTest, ArgumentZeroUsesEightyFourAveragedPointsEveryThreeValues) {
    const std::vector<double> input = sortedDescending(noisyWedge());
    const SplineKeys keys = splineSmootherKeys(input, 0.0);

    ASSERT_EQ(keys.values.size(), 86u);
    ASSERT_EQ(keys.positions.size(), 86u);
    EXPECT_EQ(keys.values.front(), input.front());
    EXPECT_EQ(keys.values.back(), input.back());
    EXPECT_EQ(keys.positions.front(), 0.0);
    EXPECT_EQ(keys.positions.back(), 1.0);
    for (std::size_t p = 1; p <= 84; ++p) {
        const std::size_t idx = 3 * p;
        EXPECT_EQ(keys.positions[p], static_cast<double>(idx) / 256.0);
        EXPECT_DOUBLE_EQ(keys.values[p], meanOf(input, idx - 2, idx + 2));
    }

    const std::vector<double> samples = splineThroughKeys(keys);
    ASSERT_EQ(samples.size(), 256u);
    // Keys at multiples of 3/256 are sampled exactly; the spline passes through them.
    EXPECT_DOUBLE_EQ(samples[3], keys.values[1]);
    EXPECT_DOUBLE_EQ(samples[252], keys.values[84]);
    EXPECT_EQ(samples[255], input.back());

    const std::vector<double> out = splineSmoothed(input, 0.0);
    EXPECT_EQ(out, thinnedOutput(samples));
    ASSERT_EQ(out.size(), 86u);
    EXPECT_EQ(out.back(), input.back());
    EXPECT_TRUE(nonIncreasing(samples));
    EXPECT_TRUE(nonIncreasing(out));
}

TEST(SplineSmootherTest, LargerArgumentsSpaceThePointsFurther) {
    const std::vector<double> input = sortedDescending(noisyWedge());
    const auto positionsOf = [&](double argument) {
        std::vector<double> positions;
        for (const double x : splineSmootherKeys(input, argument).positions) {
            positions.push_back(x * 256.0);
        }
        return positions;
    };

    std::vector<double> everyEight;
    for (int idx = 0; idx <= 248; idx += 8) {
        everyEight.push_back(idx);
    }
    everyEight.push_back(256);
    EXPECT_EQ(positionsOf(0.2), everyEight);

    // 0.32 n - 0.3 n lands just above 5.12, so the step is 49, not 50.
    EXPECT_EQ(positionsOf(0.3), (std::vector<double>{0, 49, 98, 147, 196, 245, 256}));
    EXPECT_EQ(splineSmoothed(input, 0.3).size(), 86u);
    EXPECT_TRUE(nonIncreasing(splineSmoothed(input, 0.3)));
}

TEST(SplineSmootherTest, FiveOrFewerPointsRunTheSplineThroughEveryValue) {
    const std::vector<double> input = noisyWedge();
    for (const double argument : {0.31, 0.30047, 0.5, 3.0}) {
        const SplineKeys keys = splineSmootherKeys(input, argument);
        EXPECT_EQ(keys.values, input) << argument;
        ASSERT_EQ(keys.positions.size(), 256u);
        EXPECT_EQ(keys.positions[255], 1.0);
        const std::vector<double> samples = splineThroughKeys(keys);
        EXPECT_EQ(samples[0], input[0]);
        EXPECT_EQ(samples[255], *std::min_element(input.begin(), input.end()));
        EXPECT_EQ(splineSmoothed(input, argument).size(), 86u);
    }
    // Through every value, the noise stays in.
    EXPECT_FALSE(nonIncreasing(splineThroughKeys(splineSmootherKeys(input, 0.31))));
}

TEST(SplineSmootherTest, ResamplingIsNotClampedAndThinningAveragesFiveSamples) {
    const std::vector<double> falling = splineThroughKeys({{0.0, 1.0}, {1.0, -1.0}});
    ASSERT_EQ(falling.size(), 256u);
    EXPECT_EQ(falling[0], 1.0);
    EXPECT_EQ(falling[128], 0.0);
    EXPECT_EQ(falling[192], -0.5);  // negative samples are kept
    EXPECT_EQ(falling[255], -1.0);  // the smallest value, not the sample at 255/256

    std::vector<double> ramp(256);
    std::iota(ramp.begin(), ramp.end(), 0.0);
    const std::vector<double> thinned = thinnedOutput(ramp);
    ASSERT_EQ(thinned.size(), 86u);
    EXPECT_EQ(thinned[0], 0.0);
    for (std::size_t j = 1; j <= 84; ++j) {
        EXPECT_EQ(thinned[j], static_cast<double>(3 * j - 1)) << j;
    }
    EXPECT_EQ(thinned[85], 255.0);
    EXPECT_EQ(thinnedOutput({4.0, 5.0}), (std::vector<double>{4.0}));
    EXPECT_EQ(thinnedOutput({4.0, 5.0, 6.0}), (std::vector<double>{4.0, 6.0}));

    // Short inputs and negative arguments stay inside the data (run under the sanitizers).
    for (const double argument : {0.0, -0.3, -100.0}) {
        EXPECT_EQ(splineSmoothed(noisyWedge(40), argument).size(), 86u);
    }
    EXPECT_EQ(splineSmoothed({42.0}, 0.0), std::vector<double>(86, 42.0));
    EXPECT_TRUE(splineSmoothed({}, 0.0).empty());
}

}  // namespace
}  // namespace sg
