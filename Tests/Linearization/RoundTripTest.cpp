#include <gtest/gtest.h>

#include <cstddef>

#include "Common/Diagnostics.h"
#include "Common/Strings.h"
#include "Linearization/LinearityReadout.h"
#include "Linearization/LinearizationTool.h"
#include "QuadFiles/InkList.h"
#include "QuadFiles/QuadFile.h"
#include "Support/MeasurementText.h"
#include "Support/QuadText.h"
#include "Support/SimulatedPrinter.h"
#include "Support/TemporaryFolder.h"

namespace sg {
namespace {

using testing::Deviation;
using testing::SimulatedPrinter;

struct RoundTrip {
    QuadCurve linearized;
    PredictedLinearity predicted;
};

// A photographer's round trip: print a wedge through the printer's curve, measure it,
// linearize the curve from the measurement, save it, and read the saved curve back.
RoundTrip roundTrip(const SimulatedPrinter& printer, std::size_t patches, CorrectionMethod method) {
    const testing::TemporaryFolder folder;
    const std::vector<double> wedge = printer.printWedge(printer.curve, patches);
    EXPECT_GT(LinearityReadout::fromSeries(wedge).maximumDeviation, 15.0);  // far from linear

    const DiagnosticsCapture quiet;
    LinearizationTool tool;
    tool.setCorrectionMethod(method);
    EXPECT_TRUE(
        tool.loadMeasurements(folder.write("wedge.txt", testing::cgatsBytes(wedge))).isDone());
    const std::string quad = joinStrings(
        quadtest::quadLines("## QuadToneRIP K,C,M,Y", {}, InkList::labelsFor4Inks, printer.curve),
        "\n");
    EXPECT_TRUE(tool.loadQuadFile(folder.write("curve.quad", quad)).isDone());
    EXPECT_TRUE(tool.saveLinearizedCurve(folder.path() / "linearized.quad", "").isDone());
    const Result<QuadFile> saved = QuadFile::load(folder.path() / "linearized.quad");
    if (!saved.ok() || !tool.predictedLinearity()) {
        ADD_FAILURE() << "no linearized curve";
        return {};
    }
    return {saved.value().curve(), *tool.predictedLinearity()};
}

// On the smooth printer the standard method lands within 1.5 L* of the straight line, ten
// times closer on average than the print it started from. One noise-free pass of the precise
// method on both printers lands within a few tenths of an L* step, except where 21 patches
// stand too far apart to see the harder printer's dip in slope. Both keep the ends of the tonal
// range (paper white and the curve's maximum ink). The standard method's read-out predicts its
// own result, so a photographer can trust it before reprinting; the precise one can only
// predict what lies on its smoothed response.
TEST(RoundTripTest, LinearizedCurvesPrintCloseToTheStraightTarget) {
    const struct {
        SimulatedPrinter printer;
        std::size_t patches;
        double maximum;
        double mean;
    } rows[] = {
        {testing::smoothPrinter(), 21, 0.3, 0.1},     {testing::smoothPrinter(), 51, 0.3, 0.1},
        {testing::smoothPrinter(), 129, 0.3, 0.1},    {testing::unbalancedPrinter(), 21, 1.0, 0.15},
        {testing::unbalancedPrinter(), 51, 0.3, 0.1}, {testing::unbalancedPrinter(), 129, 0.3, 0.1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.printer.name + ", " + std::to_string(row.patches) + " patches");
        const QuadCurve& original = row.printer.curve;
        const RoundTrip standard = roundTrip(row.printer, row.patches, CorrectionMethod::standard);
        const RoundTrip precise = roundTrip(row.printer, row.patches, CorrectionMethod::precise);
        for (const QuadCurve* linearized : {&standard.linearized, &precise.linearized}) {
            ASSERT_EQ(linearized->size(), original.size());
            for (std::size_t ch = 0; ch < original.size(); ++ch) {
                EXPECT_EQ((*linearized)[ch][0], original[ch][0]);
                EXPECT_EQ((*linearized)[ch][255], original[ch][255]);
            }
        }
        const Deviation standardAfter = row.printer.deviationFromStraightLine(standard.linearized);
        EXPECT_NEAR(standard.predicted.maximumDeviation, standardAfter.maximum, 0.1);
        EXPECT_NEAR(standard.predicted.meanDeviation, standardAfter.mean, 0.1);
        if (row.printer.name == "smooth") {
            EXPECT_LE(standardAfter.maximum, 1.5);
            EXPECT_LE(standardAfter.mean, 0.75);
            EXPECT_GT(row.printer.deviationFromStraightLine(original).mean,
                      10.0 * standardAfter.mean);
            // The photographer's check on the reprinted wedge agrees.
            EXPECT_LE(LinearityReadout::fromSeries(
                          row.printer.printWedge(standard.linearized, row.patches))
                          .maximumDeviation,
                      1.5);
        }

        const Deviation after = row.printer.deviationFromStraightLine(precise.linearized);
        EXPECT_LE(after.maximum, row.maximum);
        EXPECT_LE(after.mean, row.mean);
        EXPECT_LE(precise.predicted.maximumDeviation, after.maximum);
        EXPECT_GT(standardAfter.maximum, 2.0 * after.maximum);
    }
}

}  // namespace
}  // namespace sg
