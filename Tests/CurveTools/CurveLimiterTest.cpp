#include "CurveTools/CurveLimiter.h"

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace sg {
namespace {

// A channel that is not a straight line, so interpolation errors show.
std::vector<double> squares() {
    std::vector<double> channel;
    for (int i = 0; i < 256; ++i) {
        channel.push_back(static_cast<double>(i * i));
    }
    return channel;
}

// What output level k must hold: the channel read linearly at input position
// low + k/256 * (high - low).
double expectedAt(const std::vector<double>& channel, int low, int high, int k) {
    const double position = low + (k / 256.0) * (high - low);
    const auto below = static_cast<std::size_t>(std::floor(position));
    const double fraction = position - static_cast<double>(below);
    if (fraction == 0.0) {
        return channel[below];
    }
    return channel[below] + (channel[below + 1] - channel[below]) * fraction;
}

TEST(CurveLimiter, StartsWithTheBuiltInRampOverTheFullRange) {
    const CurveLimiter limiter;
    ASSERT_EQ(limiter.inputCurve.size(), 8u);
    ASSERT_EQ(limiter.limitedCurves.size(), 8u);
    EXPECT_EQ(limiter.mainLowLimit, 0);
    EXPECT_EQ(limiter.mainHighLimit, 255);
    EXPECT_EQ(limiter.inputCurve[0][1], 256.0);
    EXPECT_EQ(limiter.inputCurve[0][255], 65280.0);
    for (std::size_t channel = 1; channel < 8; ++channel) {
        EXPECT_EQ(limiter.limitedCurves[channel], std::vector<double>(256, 0.0)) << channel;
    }
    // Level 255 is read at 255/256 of the way, so the ramp comes out as 255 * k.
    ASSERT_EQ(limiter.limitedCurves[0].size(), 256u);
    for (int k = 0; k < 256; ++k) {
        EXPECT_NEAR(limiter.limitedCurves[0][static_cast<std::size_t>(k)], 255.0 * k, 1e-9) << k;
    }
}

TEST(CurveLimiter, SelectionFractionsScaleBy255ForTheStartAnd256ForTheEnd) {
    EXPECT_EQ(CurveLimiter::lowLimitForSelection(0.0), 0);
    EXPECT_EQ(CurveLimiter::lowLimitForSelection(0.5), 127);
    EXPECT_EQ(CurveLimiter::lowLimitForSelection(1.0), 255);
    EXPECT_EQ(CurveLimiter::highLimitForSelection(0.0), 0);
    EXPECT_EQ(CurveLimiter::highLimitForSelection(0.5), 128);
    EXPECT_EQ(CurveLimiter::highLimitForSelection(1.0), 256);
    // Every level a keyboard step can reach maps back to itself.
    for (int level = 0; level <= 255; ++level) {
        EXPECT_EQ(CurveLimiter::lowLimitForSelection(level / 255.0), level) << level;
    }
    // Outside 0..1, and not a number, never leaves the curve.
    EXPECT_EQ(CurveLimiter::highLimitForSelection(7.0), 256);
    EXPECT_EQ(CurveLimiter::lowLimitForSelection(std::nan("")), 0);
}

TEST(CurveLimiter, RaisedStartBeginsAtThatLevelsValue) {
    CurveLimiter limiter;
    limiter.setLimits(127, 255);
    EXPECT_EQ(limiter.limitedCurves[0][0], 32512.0);
    EXPECT_NEAR(limiter.limitedCurves[0][255], 32512.0 + 255.0 / 256.0 * 128.0 * 256.0, 1e-9);
    for (std::size_t k = 1; k < 256; ++k) {
        EXPECT_NEAR(limiter.limitedCurves[0][k] - limiter.limitedCurves[0][k - 1], 128.0, 1e-9);
    }
    ASSERT_EQ(limiter.limitXValues.size(), 129u);
    EXPECT_EQ(limiter.limitXValues.front(), 0.0);
    EXPECT_EQ(limiter.limitXValues.back(), 1.0);
    ASSERT_EQ(limiter.outputLimitCurve[0].size(), 129u);
    EXPECT_EQ(limiter.outputLimitCurve[0].front(), 127.0 * 256.0);
    EXPECT_EQ(limiter.outputLimitCurve[0].back(), 255.0 * 256.0);
}

TEST(CurveLimiter, EveryLevelReadsTheCurveLinearlyBetweenTheLimits) {
    const std::vector<double> channel = squares();
    for (const auto& [low, high] : std::vector<std::pair<int, int>>{
             {0, 255}, {0, 128}, {127, 128}, {30, 200}, {254, 255}, {0, 1}}) {
        const CurveLimiter limiter({channel, channel}, low, high);
        ASSERT_EQ(limiter.limitedCurves.size(), 2u);
        ASSERT_EQ(limiter.limitedCurves[1].size(), 256u);
        for (int k = 0; k < 256; ++k) {
            EXPECT_NEAR(limiter.limitedCurves[1][static_cast<std::size_t>(k)],
                        expectedAt(channel, low, high, k), 1e-6)
                << low << ".." << high << " at " << k;
        }
        // A rising channel stays rising.
        for (std::size_t k = 1; k < 256; ++k) {
            EXPECT_LE(limiter.limitedCurves[1][k - 1], limiter.limitedCurves[1][k]);
        }
    }
}

TEST(CurveLimiter, OneLevelRepeatsItsValueEverywhere) {
    const std::vector<double> channel = squares();
    CurveLimiter limiter({channel}, 0, 255);
    limiter.setLimits(100, 100);
    EXPECT_EQ(limiter.limitedCurves[0], std::vector<double>(256, 10000.0));
    // Both handles at the right end: the end caps at 255 and meets the start.
    limiter.setLimits(CurveLimiter::lowLimitForSelection(1.0),
                      CurveLimiter::highLimitForSelection(1.0));
    EXPECT_EQ(limiter.mainLowLimit, 255);
    EXPECT_EQ(limiter.mainHighLimit, 255);
    EXPECT_EQ(limiter.limitedCurves[0], std::vector<double>(256, 65025.0));
    limiter.setLimits(0, 0);
    EXPECT_EQ(limiter.limitedCurves[0], std::vector<double>(256, 0.0));
    // A start past the end is kept at the end rather than reading outside the curve.
    limiter.setLimits(200, 100);
    EXPECT_EQ(limiter.mainLowLimit, 100);
    EXPECT_EQ(limiter.limitedCurves[0], std::vector<double>(256, 10000.0));
    // No channels (nothing loaded) give no result rather than a failure.
    EXPECT_TRUE(CurveLimiter({}, 10, 20).limitedCurves.empty());
}

}  // namespace
}  // namespace sg
