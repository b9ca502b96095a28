#include "CurveTools/CurveLimiter.h"

#include <cmath>
#include <cstddef>
#include <filesystem>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "QuadFiles/QuadFile.h"
#include "Support/TestData.h"

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

TEST(CurveLimiter, StartsWithTheBuiltInRampUntouched) {
    const CurveLimiter limiter;
    ASSERT_EQ(limiter.trimmedCurve().size(), 8u);
    EXPECT_EQ(limiter.trimmedCurve(), CurveLimiter::builtInRampCurve());
    EXPECT_EQ(limiter.trimmedCurve()[0][255], 65280.0);

    // Start 0.5, end 1: levels 127 to 255, from 127 * 256 up to 255 * 256.
    CurveLimiter upperHalf;
    upperHalf.setLimits(CurveLimiter::lowLevelForSelection(0.5),
                        CurveLimiter::highLevelForSelection(1.0));
    EXPECT_EQ(upperHalf.trimmedCurve()[0][0], 32512.0);
    EXPECT_EQ(upperHalf.trimmedCurve()[0][255], 65280.0);
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

// Output level k holds the channel read linearly at input position low + k/255 * (high - low),
// exactly the level's value where that position is a whole level.
TEST(CurveLimiter, EveryLevelReadsTheCurveLinearlyBetweenTheLimits) {
    const std::vector<double> squares = squaresChannel();
    for (const auto& [low, high] : std::vector<std::pair<int, int>>{
             {0, 255}, {0, 128}, {127, 128}, {127, 255}, {30, 200}, {254, 255}, {0, 1}}) {
        SCOPED_TRACE(std::to_string(low) + ".." + std::to_string(high));
        const CurveLimiter limiter({squares, squares}, low, high);
        ASSERT_EQ(limiter.trimmedCurve().size(), 2u);
        const std::vector<double>& result = limiter.trimmedCurve()[1];
        ASSERT_EQ(result.size(), 256u);
        for (int k = 0; k < 256; ++k) {
            const int steps = k * (high - low);
            if (steps % 255 == 0) {
                EXPECT_EQ(result[k], squares[low + steps / 255]) << k;
            }
            const double position = low + static_cast<double>(steps) / 255.0;
            const auto below = static_cast<std::size_t>(std::floor(position));
            const double above = below < 255 ? squares[below + 1] : squares[below];
            const double expected =
                squares[below] + (above - squares[below]) * (position - static_cast<double>(below));
            EXPECT_NEAR(result[k], expected, 1e-6) << k;
            if (k > 0) {  // a rising channel stays rising
                EXPECT_LE(result[k - 1], result[k]);
            }
        }
    }
}

// The full selection must not change a curve the user did not touch.
TEST(CurveLimiter, FullRangeGivesEveryFixtureBackExactly) {
    std::size_t curves = 0;
    std::vector<std::filesystem::path> paths = {testing::example("example-curve.quad")};
    for (const char* folder : {"quad", "CurveTools", "linearization", "LinearizationView"}) {
        for (const auto& entry : std::filesystem::directory_iterator(testing::testData(folder))) {
            paths.push_back(entry.path());
        }
    }
    for (const std::filesystem::path& path : paths) {
        const Result<QuadFile> file = QuadFile::load(path);
        if (file) {
            ++curves;
            EXPECT_EQ(CurveLimiter(file.value().curve(), 0, 255).trimmedCurve(),
                      file.value().curve())
                << path;
        }
    }
    EXPECT_GE(curves, 12u);
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
