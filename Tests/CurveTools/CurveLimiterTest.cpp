#include "CurveTools/CurveLimiter.h"

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace sg {
namespace {

// A channel that is not a straight line, so interpolation errors show.
std::vector<double> squaresChannel() {
    std::vector<double> channel;
    for (int i = 0; i < 256; ++i) {
        channel.push_back(static_cast<double>(i * i));
    }
    return channel;
}

TEST(CurveLimiter, StartsWithTheBuiltInRampOverTheFullRange) {
    const CurveLimiter limiter;
    ASSERT_EQ(limiter.trimmedCurve().size(), 8u);
    for (std::size_t channel = 1; channel < 8; ++channel) {
        EXPECT_EQ(limiter.trimmedCurve()[channel], std::vector<double>(256, 0.0)) << channel;
    }
    // Level 255 is read at 255/256 of the way, so the ramp comes out as 255 * k.
    ASSERT_EQ(limiter.trimmedCurve()[0].size(), 256u);
    for (std::size_t k = 0; k < 256; ++k) {
        EXPECT_NEAR(limiter.trimmedCurve()[0][k], 255.0 * static_cast<double>(k), 1e-9) << k;
    }
}

TEST(CurveLimiter, SelectionFractionsScaleBy255ForTheStartAnd256ForTheEnd) {
    // Every level a keyboard step can reach maps back to itself.
    for (int level = 0; level <= 255; ++level) {
        EXPECT_EQ(CurveLimiter::lowLevelForSelection(level / 255.0), level) << level;
    }
    EXPECT_EQ(CurveLimiter::lowLevelForSelection(0.5), 127);
    EXPECT_EQ(CurveLimiter::highLevelForSelection(0.0), 0);
    EXPECT_EQ(CurveLimiter::highLevelForSelection(0.5), 128);
    EXPECT_EQ(CurveLimiter::highLevelForSelection(1.0), 256);
    // Outside 0..1, and not a number, never leaves the curve.
    EXPECT_EQ(CurveLimiter::highLevelForSelection(7.0), 256);
    EXPECT_EQ(CurveLimiter::lowLevelForSelection(std::nan("")), 0);
}

// Output level k holds the channel read linearly at input position low + k/256 * (high - low).
TEST(CurveLimiter, EveryLevelReadsTheCurveLinearlyBetweenTheLimits) {
    const std::vector<double> squares = squaresChannel();
    for (const auto& [low, high] : std::vector<std::pair<int, int>>{
             {0, 255}, {0, 128}, {127, 128}, {127, 255}, {30, 200}, {254, 255}, {0, 1}}) {
        SCOPED_TRACE(std::to_string(low) + ".." + std::to_string(high));
        const CurveLimiter limiter({squares, squares}, low, high);
        ASSERT_EQ(limiter.trimmedCurve().size(), 2u);
        ASSERT_EQ(limiter.trimmedCurve()[1].size(), 256u);
        for (std::size_t k = 0; k < 256; ++k) {
            const double position = low + (static_cast<double>(k) / 256.0) * (high - low);
            const auto below = static_cast<std::size_t>(std::floor(position));
            const double expected = squares[below] + (squares[below + 1] - squares[below]) *
                                                         (position - static_cast<double>(below));
            EXPECT_NEAR(limiter.trimmedCurve()[1][k], expected, 1e-6) << k;
            if (k > 0) {  // a rising channel stays rising
                EXPECT_LE(limiter.trimmedCurve()[1][k - 1], limiter.trimmedCurve()[1][k]);
            }
        }
    }
}

TEST(CurveLimiter, OneLevelRepeatsItsValueEverywhere) {
    const std::vector<double> squares = squaresChannel();
    CurveLimiter limiter({squares}, 0, 255);
    limiter.setLimits(100, 100);
    EXPECT_EQ(limiter.trimmedCurve()[0], std::vector<double>(256, 10000.0));
    // Both handles at the right end: the end caps at 255 and meets the start.
    limiter.setLimits(CurveLimiter::lowLevelForSelection(1.0),
                      CurveLimiter::highLevelForSelection(1.0));
    EXPECT_EQ(limiter.lowLevel(), 255);
    EXPECT_EQ(limiter.highLevel(), 255);
    EXPECT_EQ(limiter.trimmedCurve()[0], std::vector<double>(256, 65025.0));
    limiter.setLimits(0, 0);
    EXPECT_EQ(limiter.trimmedCurve()[0], std::vector<double>(256, 0.0));
    // A start past the end is kept at the end rather than reading outside the curve.
    limiter.setLimits(200, 100);
    EXPECT_EQ(limiter.lowLevel(), 100);
    EXPECT_EQ(limiter.trimmedCurve()[0], std::vector<double>(256, 10000.0));
    // No channels (nothing loaded) give no result rather than a failure.
    EXPECT_TRUE(CurveLimiter({}, 10, 20).trimmedCurve().empty());
}

}  // namespace
}  // namespace sg
