#include "Linearization/Linearization.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Common/Diagnostics.h"
#include "Linearization/QuadCurveLinearization.h"

namespace sg {
namespace {

// A light-ink hump and a plain ramp: channels are not monotone in general.
std::vector<std::vector<double>> twoChannels() {
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
    std::vector<double> correction = Linearization().stepArray;
    correction.push_back(100.0);
    return correction;
}

TEST(LinearizationTest, BracketsStepsAroundATargetAndLimitsThemToTheLevels) {
    const Linearization linearization;
    using Bracket = std::pair<std::size_t, std::size_t>;
    const std::pair<double, Bracket> rows[] = {{50.0, {127, 128}},
                                               {49.9, {127, 128}},  // closest 128 above
                                               {linearization.stepArray[40], {40, 41}},
                                               {0.0, {0, 1}},
                                               {-3.0, {0, 0}},
                                               {100.0, {255, 255}},
                                               {130.0, {255, 255}}};
    for (const auto& [target, bracket] : rows) {
        EXPECT_EQ(linearization.bracketSteps(target), bracket) << target;
    }
}

// The identity correction keeps every level of every channel but level 1 (the mean of its
// neighbours); the changed levels are read at their corrected positions.
TEST(LinearizationTest, ReadsChannelsAtTheCorrectedPositions) {
    const auto quad = twoChannels();
    Linearization linearization;
    linearization.targetArray = identityCorrection();
    linearization.targetArray[60] = 50.0;   // between levels 127 and 128
    linearization.targetArray[70] = 20.0;   // the ramp is 0 at both levels: 0 without a slope
    linearization.targetArray[255] = 0.0;   // level 255 is never looked up: last value kept
    linearization.targetArray[80] = 100.0;  // the last level, bracketed with itself
    linearization.targetArray[90] = -1.0;   // before the first level
    linearization.linearize(quad, {"# K Curve", "# C Curve"});
    ASSERT_EQ(linearization.linearizedQuadCurve2DArray.size(), 2u);
    const auto& hump = linearization.linearizedQuadCurve2DArray[0];
    const auto& ramp = linearization.linearizedQuadCurve2DArray[1];
    const auto& steps = linearization.stepArray;
    EXPECT_EQ(hump[60],
              (quad[0][128] - quad[0][127]) / (steps[128] - steps[127]) * (50.0 - steps[127]) +
                  quad[0][127]);
    EXPECT_EQ(ramp[70], 0.0);
    EXPECT_EQ(ramp[80], quad[1][255]);
    EXPECT_EQ(hump[90], quad[0][0]);
    for (std::size_t ch = 0; ch < 2; ++ch) {
        const std::vector<double>& result = linearization.linearizedQuadCurve2DArray[ch];
        ASSERT_EQ(result.size(), 256u);
        EXPECT_EQ(result[1], (quad[ch][0] + quad[ch][2]) * 0.5);
        for (std::size_t level = 0; level < 256; ++level) {
            if (level != 1 && level != 60 && level != 70 && level != 80 && level != 90) {
                EXPECT_EQ(result[level], quad[ch][level]) << ch << " " << level;
            }
        }
    }

    // A channel too short to be read at the corrected positions comes back as it was; the one
    // after it is still linearized under its own label.
    const auto full = linearization.linearizedQuadCurve2DArray;
    auto shortFirst = quad;
    shortFirst[0].resize(200);
    linearization.linearize(shortFirst, {"# K Curve", "# C Curve"});
    EXPECT_EQ(linearization.linearizedQuadCurve2DArray,
              (std::vector<std::vector<double>>{shortFirst[0], full[1]}));
    // More names than channels: as many results as channels. A correction of fewer than 255
    // values: no result at all, rather than reading past it.
    linearization.linearize(quad, {"# K Curve", "# C Curve", "# M Curve"});
    EXPECT_EQ(linearization.linearizedQuadCurve2DArray, full);
    linearization.targetArray.resize(254);
    linearization.linearize(quad, {"# K Curve", "# C Curve"});
    EXPECT_TRUE(linearization.linearizedQuadCurve2DArray.empty());
}

TEST(LinearizationTest, NonNumbersBecomeZeroWithADiagnosticLine) {
    auto quad = twoChannels();
    quad[0][10] = NAN;
    quad[0][20] = INFINITY;
    Linearization linearization;
    linearization.targetArray = identityCorrection();
    linearization.targetArray[10] = linearization.stepArray[10] + 0.1;
    linearization.targetArray[20] = linearization.stepArray[20] + 0.1;
    const DiagnosticsCapture capture;
    linearization.linearize(quad, {"# K Curve"});
    ASSERT_EQ(linearization.linearizedQuadCurve2DArray.size(), 1u);  // names count channels
    EXPECT_EQ(linearization.linearizedQuadCurve2DArray[0][10], 0.0);
    EXPECT_EQ(linearization.linearizedQuadCurve2DArray[0][20], 0.0);
    for (const double value : linearization.linearizedQuadCurve2DArray[0]) {
        EXPECT_TRUE(std::isfinite(value));
    }
    // Both neighbours of each bad level are poisoned: four lines, each naming the values.
    const std::string text = capture.text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4) << text;
    EXPECT_EQ(text.rfind("new quad is NaN, y1:", 0), 0u) << text;
    EXPECT_NE(text.find("new quad is NaN, y1:nan x:4.02156862745098 x1:3.9215686274509802 y2:"),
              std::string::npos)
        << text;
}

TEST(LinearizationTest, AutomaticTwinUsesItsOwnStepAndEveryChannel) {
    auto quad = twoChannels();
    quad.push_back(std::vector<double>(256, 15000.0));
    quad[1][30] = NAN;
    std::vector<double> correction = identityCorrection();
    correction[30] = Linearization().stepArray[30] + 0.1;
    correction[40] = 100.0;
    const DiagnosticsCapture capture;
    const QuadCurveLinearization linearization(correction, quad);
    EXPECT_NEAR(linearization.stepArray.back(), 99.9999999885, 1e-12);
    EXPECT_LT(linearization.stepArray.back(), 100.0);
    ASSERT_EQ(linearization.linearizedQuadCurve2DArray.size(), 3u);
    EXPECT_EQ(linearization.linearizedQuadCurve2DArray[1][30], 0.0);
    EXPECT_EQ(capture.text(), "");
    // 100 is beyond its last level: bracketed with itself, the channel's last value.
    EXPECT_EQ(linearization.bracketSteps(100.0), (std::pair<std::size_t, std::size_t>{255, 255}));
    EXPECT_EQ(linearization.linearizedQuadCurve2DArray[0][40], quad[0][255]);
    for (const double value : linearization.linearizedQuadCurve2DArray[2]) {
        EXPECT_EQ(value, 15000.0);
    }
}

}  // namespace
}  // namespace sg
