#include <gtest/gtest.h>

#include <cmath>

#include "Common/Diagnostics.h"
#include "Linearization/LinearityReadout.h"
#include "Linearization/LinearizationTool.h"
#include "QuadFiles/QuadDataFile.h"
#include "SimulatedPrinter.h"
#include "TemporaryFolder.h"

namespace sg {
namespace {

struct Deviation {
    double maximum = 0.0;
    double mean = 0.0;
};

// |dL*| of every input level from the straight line between the first and last level.
Deviation deviationFromStraightLine(const testing::Curve& curve) {
    const std::vector<double> printed = testing::printWedge(curve, 256);
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
    const testing::Curve original = testing::exampleCurve();
    const std::vector<double> wedge = testing::printWedge(original, patches);
    ASSERT_GT(LinearityReadout::fromSeries(wedge).maximumDeviation, 15.0);  // far from linear

    const DiagnosticsCapture quiet;
    LinearizationTool tool;
    ASSERT_EQ(tool.loadMeasurements(folder.write("wedge.txt", testing::cgatsText(wedge))),
              std::nullopt);
    ASSERT_EQ(tool.loadQuadFile(folder.write("curve.quad", testing::quadText(original, ""))),
              std::nullopt);
    ASSERT_EQ(tool.saveLinearizedCurveFile(folder.path() / "linearized.quad", ""), std::nullopt);
    const Result<QuadDataFile> saved = QuadDataFile::load(folder.path() / "linearized.quad");
    ASSERT_TRUE(saved.ok());
    const testing::Curve& linearized = saved.value().inputQuadCurveArray;

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
    const std::vector<double> rewedge = testing::printWedge(linearized, patches);
    EXPECT_LE(LinearityReadout::fromSeries(rewedge).maximumDeviation, 1.5);
}

INSTANTIATE_TEST_SUITE_P(WedgeSizes, RoundTripTest, ::testing::Values(21, 51, 129));

}  // namespace
}  // namespace sg
