#include "Linearization/CurveLinearization.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Common/InkScale.h"

namespace sg {
namespace {

const std::vector<double> levels = levelPositions(levelStepPercent);

// A light-ink hump and a plain ramp: channels are not monotone in general.
QuadCurve twoChannels() {
    std::vector<double> hump;
    std::vector<double> ramp;
    for (int level = 0; level < 256; ++level) {
        const double x = level / 255.0;
        hump.push_back(40000.0 * std::sin(3.14159265358979 * x) * std::sin(3.14159265358979 * x));
        ramp.push_back(level < 100 ? 0.0 : (level - 100) * 300.0 + 0.25);
    }
    return {hump, ramp};
}

std::vector<double> identityCorrection() {
    std::vector<double> correction = levels;
    correction.push_back(100.0);
    return correction;
}

TEST(CurveLinearizationTest, BracketsLevelsAroundATargetAndLimitsThemToTheLevels) {
    using Bracket = std::pair<std::size_t, std::size_t>;
    const std::pair<double, Bracket> rows[] = {
        {50.0, {127, 128}},     {49.9, {127, 128}},  // closest 128 above
        {levels[40], {40, 41}}, {0.0, {0, 1}},      {-3.0, {0, 0}},
        {100.0, {255, 255}},    {130.0, {255, 255}}};
    for (const auto& [target, bracket] : rows) {
        EXPECT_EQ(bracketingLevels(levels, target), bracket) << target;
    }
}

// The identity correction keeps every level of every channel but level 1 (the mean of its
// neighbours); the changed levels are read at their corrected positions.
TEST(CurveLinearizationTest, ReadsChannelsAtTheCorrectedPositions) {
    const QuadCurve quad = twoChannels();
    std::vector<double> correction = identityCorrection();
    correction[60] = 50.0;   // between levels 127 and 128
    correction[70] = 20.0;   // the ramp is 0 at both levels: 0 without a slope
    correction[255] = 0.0;   // level 255 is never looked up: last value kept
    correction[80] = 100.0;  // the last level, bracketed with itself
    correction[90] = -1.0;   // before the first level
    const QuadCurve result = linearizedCurve(quad, correction, levels, NonNumbers::silent);
    ASSERT_EQ(result.size(), 2u);
    const auto& hump = result[0];
    const auto& ramp = result[1];
    EXPECT_EQ(hump[60],
              (quad[0][128] - quad[0][127]) / (levels[128] - levels[127]) * (50.0 - levels[127]) +
                  quad[0][127]);
    EXPECT_EQ(ramp[70], 0.0);
    EXPECT_EQ(ramp[80], quad[1][255]);
    EXPECT_EQ(hump[90], quad[0][0]);
    for (std::size_t ch = 0; ch < 2; ++ch) {
        ASSERT_EQ(result[ch].size(), 256u);
        EXPECT_EQ(result[ch][1], (quad[ch][0] + quad[ch][2]) * 0.5);
        for (std::size_t level = 0; level < 256; ++level) {
            if (level != 1 && level != 60 && level != 70 && level != 80 && level != 90) {
                EXPECT_EQ(result[ch][level], quad[ch][level]) << ch << " " << level;
            }
        }
    }

    // A channel too short to be read at the corrected positions comes back as it was; the one
    // after it is still linearized in its own place.
    QuadCurve shortFirst = quad;
    shortFirst[0].resize(200);
    EXPECT_EQ(linearizedCurve(shortFirst, correction, levels, NonNumbers::silent),
              (QuadCurve{shortFirst[0], result[1]}));
    // 255 values are enough, level 255 being never looked up; fewer give no result at all,
    // rather than reading past them.
    correction.resize(255);
    EXPECT_EQ(linearizedCurve(quad, correction, levels, NonNumbers::silent), result);
    correction.resize(254);
    EXPECT_TRUE(linearizedCurve(quad, correction, levels, NonNumbers::silent).empty());
}

TEST(CurveLinearizationTest, NonNumbersBecomeZero) {
    QuadCurve quad = twoChannels();
    quad[0][10] = NAN;
    quad[0][20] = INFINITY;
    std::vector<double> correction = identityCorrection();
    correction[10] = levels[10] + 0.1;
    correction[20] = levels[20] + 0.1;
    const QuadCurve result = linearizedCurve(quad, correction, levels, NonNumbers::reported);
    EXPECT_EQ(result[0][10], 0.0);
    EXPECT_EQ(result[0][20], 0.0);
    for (const double value : result[0]) {
        EXPECT_TRUE(std::isfinite(value));
    }
}

TEST(CurveLinearizationTest, TenDecimalLevelsEndJustBelow100) {
    const std::vector<double> tenDecimals = levelPositions(tenDecimalLevelStep);
    EXPECT_NEAR(tenDecimals.back(), 99.9999999885, 1e-12);
    EXPECT_LT(tenDecimals.back(), 100.0);
    // 100 is beyond the last level: bracketed with itself, the channel's last value.
    EXPECT_EQ(bracketingLevels(tenDecimals, 100.0),
              (std::pair<std::size_t, std::size_t>{255, 255}));
    QuadCurve quad = twoChannels();
    quad.push_back(std::vector<double>(256, 15000.0));
    std::vector<double> correction = identityCorrection();
    correction[40] = 100.0;
    const QuadCurve result = linearizedCurve(quad, correction, tenDecimals, NonNumbers::silent);
    ASSERT_EQ(result.size(), 3u);
    EXPECT_EQ(result[0][40], quad[0][255]);
    for (const double value : result[2]) {
        EXPECT_EQ(value, 15000.0);
    }
}

}  // namespace
}  // namespace sg
