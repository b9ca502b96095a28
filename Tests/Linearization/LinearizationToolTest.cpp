#include "Linearization/LinearizationTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "Common/Diagnostics.h"
#include "Common/InkScale.h"
#include "MeasurementData/SplineSmoother.h"
#include "QuadFiles/GutenprintCurveXml.h"
#include "Support/GoldenFile.h"
#include "Support/TemporaryFolder.h"

namespace sg {
namespace {

const std::filesystem::path dataFolder =
    std::filesystem::path(SILVERGRAIN_TEST_DATA_DIR) / "linearization";
const std::filesystem::path wedge = dataFolder / "wedge21.txt";
const std::filesystem::path swappedWedge = dataFolder / "wedge21-swapped.txt";
const std::filesystem::path curve = dataFolder / "curve4.quad";

// What a view compares after a refusal: everything it draws or saves.
struct Snapshot {
    explicit Snapshot(const LinearizationTool& tool)
        : lightness(tool.lightness()),
          resampledLightness(tool.correction().resampledLightness),
          measurementFileName(tool.measurementFileName()),
          maximumDensity(tool.correction().maximumDensity),
          smoothedResponse(tool.correction().smoothedResponse),
          target(tool.correction().target),
          correction(tool.correction().positions),
          inputs{tool.controlPoints().shadow.input, tool.controlPoints().midtone.input,
                 tool.controlPoints().highlight.input},
          linearity(tool.linearity() ? tool.linearity()->maximumDeviation : -1.0),
          quadFileName(tool.curveFile() ? std::optional(tool.curveFile()->fileName())
                                        : std::nullopt),
          linearized(tool.linearizedCurve().value_or(QuadCurve{})) {}
    bool operator==(const Snapshot&) const = default;

    std::optional<std::vector<double>> lightness;
    std::vector<double> resampledLightness;
    std::optional<std::string> measurementFileName;
    double maximumDensity;
    std::vector<double> smoothedResponse, target;
    std::optional<std::vector<double>> correction;
    std::vector<double> inputs;
    double linearity;
    std::optional<std::string> quadFileName;
    QuadCurve linearized;
};

class LinearizationToolTest : public ::testing::Test {
protected:
    void loadBoth(const std::filesystem::path& measurements = wedge) {
        ASSERT_TRUE(tool.loadMeasurements(measurements).isDone());
        ASSERT_TRUE(tool.loadQuadFile(curve).isDone());
    }

    // Diagnostic lines stay out of the test output.
    DiagnosticsCapture capture;
    LinearizationTool tool;
};

TEST_F(LinearizationToolTest, BeforeAnyMeasurementNothingCanBeLinearized) {
    EXPECT_FALSE(tool.lightness().has_value());
    tool.setAveragingWindow(7);
    tool.setSplineStrength(0.5);
    EXPECT_EQ(tool.averagingWindow(), 7);  // the controls still show what was set
    EXPECT_EQ(tool.splineStrength(), 0.5);
    EXPECT_FALSE(tool.hasCorrection());

    EXPECT_TRUE(tool.setControlPoint(ControlPoint::shadow, 30, 10).isDone());
    EXPECT_EQ(tool.controlPoints().shadow.input, 25.0);
    EXPECT_EQ(tool.controlPoints().shadow.adjustment, 0.0);

    // The curve file is taken and waits, so the next measurement load linearizes it.
    const Outcome pending = tool.loadQuadFile(curve);
    EXPECT_EQ(pending.kind(), Outcome::Kind::takenNotComputed);
    EXPECT_EQ(
        pending.alert(),
        (Alert{"Failed to Linearize",
               "Please load a valid quad curve file and measurement data file and try again"}));
    ASSERT_TRUE(tool.curveFile().has_value());
    EXPECT_EQ(tool.curveFile()->fileName(), "curve4.quad");
    EXPECT_FALSE(tool.linearizedCurve().has_value());
    EXPECT_EQ(tool.linearizedFileText("").refusal(), failedToLinearizeAlert());
    const testing::TemporaryFolder folder;
    EXPECT_EQ(tool.saveLinearizedCurve(folder.path() / "out.quad", "").alert(),
              failedToLinearizeAlert());
    EXPECT_EQ(tool.exportGutenprintXml(folder.path()).alert(), failedToLinearizeAlert());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    ASSERT_TRUE(tool.loadMeasurements(wedge).isDone());
    ASSERT_TRUE(tool.linearizedCurve().has_value());
    EXPECT_EQ(tool.linearizedCurve()->size(), 4u);
}

TEST_F(LinearizationToolTest, MeasurementLoadRunsThePipelineAndFillsTheReadouts) {
    ASSERT_TRUE(tool.loadMeasurements(wedge).isDone());
    EXPECT_EQ(tool.measurementFileName(), "wedge21.txt");
    const std::vector<double>& labL = tool.lightness().value();
    ASSERT_EQ(labL.size(), 21u);
    EXPECT_EQ(labL.front(), 93.93);
    EXPECT_EQ(labL.back(), 16.26);
    EXPECT_EQ(tool.correction().maximumDensity, densityFromLightness(16.26));
    ASSERT_TRUE(tool.linearity().has_value());
    EXPECT_GT(tool.linearity()->maximumDeviation, 15.0);
    EXPECT_EQ(tool.linearity()->warningText(), "");
    ASSERT_TRUE(tool.correction().positions.has_value());
}

TEST_F(LinearizationToolTest, RefusedFilesKeepEverything) {
    loadBoth();
    const Snapshot before(tool);

    for (const std::filesystem::path& path :
         {dataFolder / "unknown-format.txt", dataFolder / "no-such-file.txt", dataFolder}) {
        const Outcome refused = tool.loadMeasurements(path);
        ASSERT_TRUE(refused.isRefused()) << path;
        EXPECT_EQ(refused.alert()->title, "Failed to Load Measurement Data");
        EXPECT_EQ(Snapshot(tool), before) << path;
    }
    const Outcome refused = tool.loadQuadFile(dataFolder / "unknown-header.quad");
    ASSERT_TRUE(refused.isRefused());
    EXPECT_EQ(refused.alert()->title, "Failed to Load Quad File");
    EXPECT_EQ(Snapshot(tool), before);
}

TEST_F(LinearizationToolTest, NewMeasurementsRelinearizeTheLoadedCurve) {
    loadBoth();
    const std::string firstText = tool.linearizedFileText("").value();
    ASSERT_TRUE(tool.loadMeasurements(swappedWedge).isDone());
    EXPECT_EQ(tool.measurementFileName(), "wedge21-swapped.txt");

    LinearizationTool fresh;
    ASSERT_TRUE(fresh.loadMeasurements(swappedWedge).isDone());
    ASSERT_TRUE(fresh.loadQuadFile(curve).isDone());
    EXPECT_NE(tool.linearizedFileText("").value(), firstText);
    EXPECT_EQ(tool.linearizedFileText("").value(), fresh.linearizedFileText("").value());

    // Patches 7 and 8 of that wedge were measured in the wrong order.
    ASSERT_TRUE(tool.linearity().has_value());
    EXPECT_EQ(tool.linearity()->warningText(),
              "Patch 8 is lighter than patch 7 by 5.5 L*: check the patch order.");
}

TEST_F(LinearizationToolTest, SmoothingControlsRerunThePipelineAndTheLinearization) {
    EXPECT_EQ(LinearizationTool::splineSmoothingArgument(0.0), 0.0);
    EXPECT_EQ(LinearizationTool::splineSmoothingArgument(1.0), 0.32);
    EXPECT_EQ(LinearizationTool::splineSmoothingArgument(0.5), 0.16);

    loadBoth(swappedWedge);
    const Snapshot loaded(tool);
    // The untouched spline control smooths exactly as the load did.
    tool.setSplineStrength(LinearizationControlRanges::splineStart);
    EXPECT_EQ(Snapshot(tool), loaded);

    tool.setAveragingWindow(10);
    EXPECT_NE(Snapshot(tool).correction, loaded.correction);
    EXPECT_NE(Snapshot(tool).linearized, loaded.linearized);
    const Snapshot atTen(tool);
    tool.setAveragingWindow(10);  // the same value again changes nothing
    EXPECT_EQ(Snapshot(tool), atTen);
    // A window of 2 or more forces the response monotone, so the correction is too.
    const std::vector<double>& correction = *tool.correction().positions;
    for (std::size_t k = 1; k < correction.size(); ++k) {
        EXPECT_GE(correction[k], correction[k - 1]) << k;
    }
    tool.setSplineStrength(0.93);
    EXPECT_NE(Snapshot(tool).smoothedResponse, atTen.smoothedResponse);
    tool.setAveragingWindow(0);
    tool.setSplineStrength(0.0);
    EXPECT_EQ(Snapshot(tool), loaded);

    // Settings made before a load are the ones the load smooths with, as the controls show.
    LinearizationTool presetFirst;
    presetFirst.setAveragingWindow(10);
    presetFirst.setSplineStrength(0.5);
    ASSERT_TRUE(presetFirst.loadMeasurements(swappedWedge).isDone());
    ASSERT_TRUE(presetFirst.loadQuadFile(curve).isDone());
    tool.setAveragingWindow(10);
    tool.setSplineStrength(0.5);
    EXPECT_EQ(Snapshot(presetFirst), Snapshot(tool));
}

TEST_F(LinearizationToolTest, PreciseStrengthFollowsTheSplineControlAwayFromItsStart) {
    EXPECT_EQ(LinearizationTool::preciseSmoothingStrength(0.0), std::nullopt);
    const double settings[][2] = {{0.25, 0.25}, {1, 1}, {-1, 0}, {3, 1}, {NAN, 0}};
    for (const auto& [setting, strength] : settings) {
        EXPECT_EQ(LinearizationTool::preciseSmoothingStrength(setting), strength) << setting;
    }
}

// The method is a setting like the smoothing: switching back gives the standard result to the
// last bit, and the precise one follows the spline control but not the averaging window.
TEST_F(LinearizationToolTest, CorrectionMethodSwitchesBothWays) {
    loadBoth(swappedWedge);
    const Snapshot standard(tool);
    const double standardPrediction = tool.predictedLinearity()->maximumDeviation;

    tool.setCorrectionMethod(CorrectionMethod::precise);
    const Snapshot precise(tool);
    EXPECT_NE(precise.correction, standard.correction);
    EXPECT_NE(precise.linearized, standard.linearized);
    EXPECT_LT(tool.predictedLinearity()->maximumDeviation, 0.1 * standardPrediction);
    // Patches 7 and 8 were measured in the wrong order; the correction still rises.
    const std::vector<double>& positions = *tool.correction().positions;
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));

    tool.setAveragingWindow(10);
    EXPECT_EQ(Snapshot(tool), precise);
    tool.setSplineStrength(0.25);
    EXPECT_EQ(tool.measuredResponse()->strength(), 0.25);
    EXPECT_NE(Snapshot(tool).correction, precise.correction);
    tool.setSplineStrength(LinearizationControlRanges::splineStart);
    ASSERT_TRUE(tool.setControlPoint(ControlPoint::midtone, 50, 20).isDone());
    EXPECT_NE(Snapshot(tool).target, precise.target);
    tool.resetControlPoints();
    EXPECT_EQ(Snapshot(tool), precise);

    tool.setAveragingWindow(0);
    tool.setCorrectionMethod(CorrectionMethod::standard);
    EXPECT_EQ(Snapshot(tool), standard);
    EXPECT_EQ(tool.predictedLinearity()->maximumDeviation, standardPrediction);
}

// Each strength the control offers is a different result, each smoother than the one before:
// the spline keeps fewer keys. (Past the last one the keys would thin no further, and from
// about 0.939 on the spline runs through every level.)
TEST(LinearizationControlRangesTest, OfferedSplineStrengthsEachThinTheKeysFurther) {
    const auto& strengths = LinearizationControlRanges::splineStrengths;
    EXPECT_EQ(strengths.front(), LinearizationControlRanges::splineStart);
    const std::vector<double> response(levelCount, 50.0);
    std::size_t previousKeys = levelCount + 1;
    for (const double strength : strengths) {
        const std::size_t keys =
            splineSmootherKeys(response, LinearizationTool::splineSmoothingArgument(strength))
                .values.size();
        EXPECT_LT(keys, previousKeys) << strength;
        previousKeys = keys;
    }
    EXPECT_EQ(previousKeys, 7u);
    EXPECT_EQ(splineSmootherKeys(response, LinearizationTool::splineSmoothingArgument(0.94))
                  .values.size(),
              levelCount);
}

TEST_F(LinearizationToolTest, ControlPointsBendTheTargetAndRefuseCrossingInputs) {
    loadBoth();
    const Snapshot straight(tool);

    ASSERT_TRUE(tool.setControlPoint(ControlPoint::shadow, 25, 20).isDone());
    EXPECT_EQ(tool.controlPoints().shadow.adjustment, -20.0);
    const Snapshot bent(tool);
    EXPECT_NE(bent.target, straight.target);
    EXPECT_NE(bent.linearized, straight.linearized);

    const struct {
        ControlPoint which;
        double input;
    } refusals[] = {{ControlPoint::midtone, 80},     {ControlPoint::midtone, 25},
                    {ControlPoint::shadow, 0.5},     {ControlPoint::shadow, 50},
                    {ControlPoint::highlight, 99.5}, {ControlPoint::highlight, 50},
                    {ControlPoint::highlight, NAN}};
    for (const auto& refusal : refusals) {
        const Outcome outcome = tool.setControlPoint(refusal.which, refusal.input, -30);
        ASSERT_TRUE(outcome.isRefused()) << refusal.input;
        EXPECT_EQ(outcome.alert()->title, "Invalid Control Point");
        EXPECT_EQ(Snapshot(tool), bent) << refusal.input;
        EXPECT_EQ(tool.controlPoints().shadow.adjustment, -20.0);
    }
    EXPECT_EQ(tool.setControlPoint(ControlPoint::midtone, 80, 0).alert()->text,
              "The control inputs must rise from shadow to midtone to highlight, each from 1 to "
              "99: shadow 25, midtone 80, highlight 75.");
    // The ends of the allowed range are allowed.
    EXPECT_TRUE(tool.setControlPoint(ControlPoint::shadow, 1, 0).isDone());
    EXPECT_TRUE(tool.setControlPoint(ControlPoint::highlight, 99, 0).isDone());
    EXPECT_EQ(tool.controlPoints().keyInputs, (std::vector<double>{100, 99, 50, 1, 0}));

    tool.resetControlPoints();
    EXPECT_EQ(Snapshot(tool), straight);
}

TEST_F(LinearizationToolTest, SavesAndExportsTheLinearizedCurve) {
    loadBoth();
    EXPECT_EQ(tool.curveFile()->notes(),
              "Example curve for the linearization tests\nMatte paper, 2880 dpi");
    const QuadCurve& linearized = *tool.linearizedCurve();
    for (const std::vector<double>& channel : linearized) {
        for (const double value : channel) {
            ASSERT_TRUE(value >= 0.0 && value < 65536.0) << value;
        }
    }

    const testing::TemporaryFolder folder;
    const std::string notes = "Linearized from wedge21\nMatte paper, 2880 dpi";
    ASSERT_TRUE(tool.saveLinearizedCurve(folder.path() / "linearized.quad", notes).isDone());
    EXPECT_TRUE(testing::matchesGoldenFile(folder.read("linearized.quad"),
                                           "linearization/curve4-linearized.quad"));
    EXPECT_EQ(tool.linearizedFileText(notes).value(), folder.read("linearized.quad"));
    EXPECT_EQ(tool.curveFile()->notes(), notes);

    // A failed write says why and keeps the notes the file had.
    EXPECT_EQ(
        tool.saveLinearizedCurve(folder.path() / "missing" / "out.quad", "Other").alert()->title,
        "Failed to Save");
    EXPECT_EQ(tool.curveFile()->notes(), notes);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));

    ASSERT_TRUE(tool.exportGutenprintXml(folder.path()).isDone());
    EXPECT_EQ(folder.read("Yellow.xml"),
              gutenprintCurveXml(linearized[3], "# Y Curve", folder.path().filename().string()));
}

}  // namespace
}  // namespace sg
