#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Common/Diagnostics.h"
#include "Common/Strings.h"
#include "Linearization/LinearityReadout.h"
#include "Linearization/LinearizationTool.h"
#include "QuadFiles/InkList.h"
#include "QuadFiles/QuadFile.h"
#include "Support/MeasurementText.h"
#include "Support/QuadText.h"
#include "Support/TemporaryFolder.h"

namespace sg {
namespace {

// A simulated inkjet printer: ink amounts go through dot gain to density and on to L*. Smooth
// and monotone, but far from linear, as real papers are. K is black; C and M hold two diluted
// blacks, as a B&W ink set would use them.
double printedLightness(const std::vector<double>& inkAmounts) {
    constexpr double strengths[] = {1.0, 0.38, 0.14, 0.0};
    double coverage = 0.0;
    for (std::size_t ch = 0; ch < inkAmounts.size() && ch < 4; ++ch) {
        const double amount = std::clamp(inkAmounts[ch] / 65535.0, 0.0, 1.0);
        coverage += strengths[ch] * (1.0 - std::pow(1.0 - amount, 1.4));  // dot gain
    }
    const double luminance = std::pow(10.0, -(0.07 + 2.2 * (1.0 - std::exp(-1.7 * coverage))));
    return luminance > 216.0 / 24389.0 ? 116.0 * std::cbrt(luminance) - 16.0
                                       : luminance * 24389.0 / 27.0;
}

// The L* of each patch of an n-step wedge, paper white first. Patches are printed at exact
// fractional levels, read between the two neighbouring levels, so no rounding enters the data.
std::vector<double> printWedge(const QuadCurve& curve, std::size_t patches) {
    std::vector<double> labL;
    for (std::size_t k = 0; k < patches; ++k) {
        const double level = 255.0 * static_cast<double>(k) / static_cast<double>(patches - 1);
        const auto lower = static_cast<std::size_t>(std::min(std::floor(level), 254.0));
        std::vector<double> amounts;
        for (const std::vector<double>& channel : curve) {
            amounts.push_back(channel[lower] + (channel[lower + 1] - channel[lower]) *
                                                   (level - static_cast<double>(lower)));
        }
        labL.push_back(printedLightness(amounts));
    }
    return labL;
}

// A black ramp from level 90 on and two diluted blacks as humps that hand over to each other,
// in whole ink amounts as a .quad file holds them.
QuadCurve exampleCurve() {
    QuadCurve curve(4, std::vector<double>(256, 0.0));
    const auto hump = [](double level, double start, double peak, double end, double height) {
        if (level <= start || level >= end) {
            return 0.0;
        }
        const double x =
            level < peak ? (level - start) / (peak - start) : (end - level) / (end - peak);
        return std::floor(height * x * x * (3.0 - 2.0 * x));
    };
    for (std::size_t level = 0; level < 256; ++level) {
        const auto l = static_cast<double>(level);
        curve[0][level] = l <= 90.0 ? 0.0 : std::floor(42000.0 * std::pow((l - 90.0) / 165.0, 1.4));
        curve[1][level] = hump(l, 35.0, 150.0, 256.0, 36000.0);
        curve[2][level] = hump(l, 0.0, 70.0, 175.0, 30000.0);
    }
    return curve;
}

struct Deviation {
    double maximum = 0.0;
    double mean = 0.0;
};

// |dL*| of every input level from the straight line between the first and last level.
Deviation deviationFromStraightLine(const QuadCurve& curve) {
    const std::vector<double> printed = printWedge(curve, 256);
    Deviation deviation;
    for (std::size_t level = 0; level < 256; ++level) {
        const double line = printed[0] + (printed[255] - printed[0]) * level / 255.0;
        const double d = std::abs(printed[level] - line);
        deviation.maximum = std::max(deviation.maximum, d);
        deviation.mean += d / 256.0;
    }
    return deviation;
}

class RoundTripTest : public ::testing::TestWithParam<std::size_t> {};

// A photographer's round trip: print a wedge through a curve, measure it, linearize the curve
// from the measurement, save it, and print the saved curve on the same printer.
TEST_P(RoundTripTest, LinearizedCurvePrintsCloseToTheStraightTarget) {
    const std::size_t patches = GetParam();
    const testing::TemporaryFolder folder;
    const QuadCurve original = exampleCurve();
    const std::vector<double> wedge = printWedge(original, patches);
    ASSERT_GT(LinearityReadout::fromSeries(wedge).maximumDeviation, 15.0);  // far from linear

    const DiagnosticsCapture quiet;
    LinearizationTool tool;
    ASSERT_TRUE(
        tool.loadMeasurements(folder.write("wedge.txt", testing::cgatsBytes(wedge))).isDone());
    const std::string quad = joinStrings(
        quadtest::quadLines("## QuadToneRIP K,C,M,Y", {}, InkList::labelsFor4Inks, original), "\n");
    ASSERT_TRUE(tool.loadQuadFile(folder.write("curve.quad", quad)).isDone());
    ASSERT_TRUE(tool.saveLinearizedCurve(folder.path() / "linearized.quad", "").isDone());
    const Result<QuadFile> saved = QuadFile::load(folder.path() / "linearized.quad");
    ASSERT_TRUE(saved.ok());
    const QuadCurve& linearized = saved.value().curve();

    const Deviation before = deviationFromStraightLine(original);
    const Deviation after = deviationFromStraightLine(linearized);
    RecordProperty("maximum", std::to_string(after.maximum));
    RecordProperty("mean", std::to_string(after.mean));
    EXPECT_LE(after.maximum, 1.5);
    EXPECT_LE(after.mean, 0.75);
    EXPECT_GT(before.mean, 10.0 * after.mean);

    // The ends of the tonal range are kept: paper white and the curve's maximum ink.
    for (std::size_t ch = 0; ch < original.size(); ++ch) {
        EXPECT_EQ(linearized[ch][0], original[ch][0]);
        EXPECT_EQ(linearized[ch][255], original[ch][255]);
    }
    // The photographer's check on the reprinted wedge agrees.
    EXPECT_LE(LinearityReadout::fromSeries(printWedge(linearized, patches)).maximumDeviation, 1.5);
}

INSTANTIATE_TEST_SUITE_P(WedgeSizes, RoundTripTest, ::testing::Values(21, 51, 129));

}  // namespace
}  // namespace sg
