#include "Linearization/LinearizationTool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "Common/Diagnostics.h"
#include "Common/Strings.h"
#include "QuadFiles/GutenprintInkXML.h"
#include "QuadFiles/QuadTestText.h"
#include "TemporaryFolder.h"

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
        : measuredLabL(tool.measuredValues().measuredLabL),
          resampledLabL(tool.measuredValues().originalInterpolatedMeasuredValues),
          measurementFileName(tool.measurementFileName()),
          measuredDmax(tool.measuredDmax()),
          densitiesToCorrect(tool.correctionCurve().densitiesToCorrect),
          finalTargetArray(tool.correctionCurve().finalTargetArray),
          correction(tool.correctionCurve().correctionCurveArray),
          inputs{tool.manualCurveControl().shadowInput, tool.manualCurveControl().midInput,
                 tool.manualCurveControl().highlightInput},
          linearity(tool.linearity() ? tool.linearity()->maximumDeviation : -1.0),
          quadFileName(tool.currentQuadFile() ? tool.currentQuadFile()->quadCurveFileName
                                              : std::nullopt),
          linearized(tool.currentLinearization()
                         ? tool.currentLinearization()->linearizedQuadCurve2DArray
                         : QuadCurve{}) {}
    bool operator==(const Snapshot&) const = default;

    std::optional<std::vector<double>> measuredLabL;
    std::vector<double> resampledLabL;
    std::optional<std::string> measurementFileName;
    double measuredDmax;
    std::vector<double> densitiesToCorrect, finalTargetArray;
    std::optional<std::vector<double>> correction;
    std::vector<double> inputs;
    double linearity;
    std::optional<std::string> quadFileName;
    QuadCurve linearized;
};

class LinearizationToolTest : public ::testing::Test {
protected:
    void loadBoth(const std::filesystem::path& measurements = wedge) {
        ASSERT_EQ(tool.loadMeasurements(measurements), std::nullopt);
        ASSERT_EQ(tool.loadQuadFile(curve), std::nullopt);
    }

    // The dispatcher's "Loading error :" lines stay out of the test output.
    DiagnosticsCapture capture;
    LinearizationTool tool;
};

TEST_F(LinearizationToolTest, BeforeAnyMeasurementNothingCanBeLinearized) {
    EXPECT_TRUE(tool.measurementDataLoadingError());
    tool.setMovingAverageWindow(7);
    tool.setSplineSmoothingPercentage(0.5);
    EXPECT_EQ(capture.text(),
              "No Correction Curve loaded, can not smooth with average\n"
              "No Correction Curve loaded, can not smooth with spline\n");
    EXPECT_EQ(tool.movingAverageWindow(), 7);  // the controls still show what was set
    EXPECT_EQ(tool.splineSmoothingControl(), 0.5);
    EXPECT_FALSE(tool.hasCorrectionCurve());

    EXPECT_EQ(tool.setControlPoint(ControlPoint::shadow, 30, 10), std::nullopt);
    EXPECT_EQ(tool.manualCurveControl().shadowInput, 25.0);
    EXPECT_EQ(tool.manualCurveControl().shadowControlValue, 0.0);

    // The curve file stays current, so the next measurement load linearizes it.
    const Outcome refused = tool.loadQuadFile(curve);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->messageText, "Failed to Linearize");
    EXPECT_EQ(refused->informativeText,
              "Please load a valid quad curve file and measurement data file and try again");
    ASSERT_TRUE(tool.currentQuadFile().has_value());
    EXPECT_EQ(tool.currentQuadFile()->quadCurveFileName, "curve4.quad");
    EXPECT_FALSE(tool.currentLinearization().has_value());
    EXPECT_EQ(tool.linearizedQuadFileText("").error(), failedToLinearizeAlert());
    const testing::TemporaryFolder folder;
    EXPECT_EQ(tool.saveLinearizedCurveFile(folder.path() / "out.quad", ""),
              failedToLinearizeAlert());
    EXPECT_EQ(tool.exportGutenprintXML(folder.path()), failedToLinearizeAlert());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    ASSERT_EQ(tool.loadMeasurements(wedge), std::nullopt);
    ASSERT_TRUE(tool.currentLinearization().has_value());
    EXPECT_EQ(tool.currentLinearization()->linearizedQuadCurve2DArray.size(), 4u);
}

TEST_F(LinearizationToolTest, MeasurementLoadRunsThePipelineAndFillsTheReadouts) {
    ASSERT_EQ(tool.loadMeasurements(wedge), std::nullopt);
    EXPECT_FALSE(tool.measurementDataLoadingError());
    EXPECT_EQ(tool.measurementFileName(), "wedge21.txt");
    const std::vector<double>& labL = tool.measuredValues().measuredLabL.value();
    ASSERT_EQ(labL.size(), 21u);
    EXPECT_EQ(labL.front(), 93.93);
    EXPECT_EQ(labL.back(), 16.26);
    EXPECT_EQ(tool.measuredDmax(), measuredDmaxFromLabL(16.26));
    EXPECT_NEAR(tool.measuredDmax(), 1.6674, 5e-5);
    ASSERT_TRUE(tool.linearity().has_value());
    EXPECT_GT(tool.linearity()->maximumDeviation, 15.0);
    EXPECT_EQ(tool.linearity()->warningText(), "");
    ASSERT_TRUE(tool.correctionCurve().correctionCurveArray.has_value());
}

TEST_F(LinearizationToolTest, RefusedFilesKeepEverything) {
    loadBoth();
    const Snapshot before(tool);

    for (const std::filesystem::path& path :
         {dataFolder / "unknown-format.txt", dataFolder / "no-such-file.txt", dataFolder}) {
        const Outcome refused = tool.loadMeasurements(path);
        ASSERT_TRUE(refused.has_value()) << path;
        EXPECT_EQ(refused->messageText, "Failed to Load Measurement Data");
        EXPECT_EQ(Snapshot(tool), before) << path;
        EXPECT_FALSE(tool.measurementDataLoadingError());
    }
    const Outcome refused = tool.loadQuadFile(dataFolder / "unknown-header.quad");
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->messageText, "Failed to Load Quad File");
    EXPECT_EQ(Snapshot(tool), before);
}

TEST_F(LinearizationToolTest, NewMeasurementsRelinearizeTheLoadedCurve) {
    loadBoth();
    const std::string firstText = tool.linearizedQuadFileText("").value();
    ASSERT_EQ(tool.loadMeasurements(swappedWedge), std::nullopt);
    EXPECT_EQ(tool.measurementFileName(), "wedge21-swapped.txt");

    LinearizationTool fresh;
    ASSERT_EQ(fresh.loadMeasurements(swappedWedge), std::nullopt);
    ASSERT_EQ(fresh.loadQuadFile(curve), std::nullopt);
    EXPECT_NE(tool.linearizedQuadFileText("").value(), firstText);
    EXPECT_EQ(tool.linearizedQuadFileText("").value(), fresh.linearizedQuadFileText("").value());

    // Patches 7 and 8 of that wedge were measured in the wrong order.
    ASSERT_TRUE(tool.linearity().has_value());
    EXPECT_EQ(tool.linearity()->warningText(),
              "Patch 8 is lighter than patch 7 by 5.5 L*: check the patch order.");
}

TEST_F(LinearizationToolTest, SmoothingControlsRerunThePipelineAndTheLinearization) {
    EXPECT_EQ(LinearizationTool::splineSmoothingArgument(1.0), 0.0);
    EXPECT_EQ(LinearizationTool::splineSmoothingArgument(0.0), 0.32);
    EXPECT_EQ(LinearizationTool::splineSmoothingArgument(2.0), 0.32);
    EXPECT_NEAR(LinearizationTool::splineSmoothingArgument(1.5), 0.16, 1e-15);

    loadBoth(swappedWedge);
    const Snapshot loaded(tool);
    // The untouched spline control smooths exactly as the load did.
    tool.setSplineSmoothingPercentage(LinearizationControlRanges::splineStart);
    EXPECT_EQ(Snapshot(tool), loaded);

    tool.setMovingAverageWindow(10);
    EXPECT_NE(Snapshot(tool).correction, loaded.correction);
    EXPECT_NE(Snapshot(tool).linearized, loaded.linearized);
    const Snapshot atTen(tool);
    tool.setMovingAverageWindow(10);  // the same value again changes nothing
    EXPECT_EQ(Snapshot(tool), atTen);
    // A window of 2 or more forces the response monotone, so the correction is too.
    const std::vector<double>& correction = *tool.correctionCurve().correctionCurveArray;
    for (std::size_t k = 1; k < correction.size(); ++k) {
        EXPECT_GE(correction[k], correction[k - 1]) << k;
    }
    tool.setSplineSmoothingPercentage(0.0);
    const Snapshot atZero(tool);
    tool.setSplineSmoothingPercentage(2.0);
    EXPECT_EQ(Snapshot(tool), atZero);
    tool.setMovingAverageWindow(0);
    tool.setSplineSmoothingPercentage(1.0);
    EXPECT_EQ(Snapshot(tool), loaded);

    // Settings made before a load are the ones the load smooths with, as the controls show.
    LinearizationTool presetFirst;
    presetFirst.setMovingAverageWindow(10);
    presetFirst.setSplineSmoothingPercentage(0.5);
    ASSERT_EQ(presetFirst.loadMeasurements(swappedWedge), std::nullopt);
    ASSERT_EQ(presetFirst.loadQuadFile(curve), std::nullopt);
    tool.setMovingAverageWindow(10);
    tool.setSplineSmoothingPercentage(0.5);
    EXPECT_EQ(Snapshot(presetFirst), Snapshot(tool));
}

TEST_F(LinearizationToolTest, ControlPointsBendTheTargetAndRefuseCrossingInputs) {
    loadBoth();
    const Snapshot straight(tool);

    ASSERT_EQ(tool.setControlPoint(ControlPoint::shadow, 25, 20), std::nullopt);
    EXPECT_EQ(tool.manualCurveControl().shadowControlValue, -20.0);
    EXPECT_DOUBLE_EQ(tool.manualCurveControl().shadowOutput, 20.0);
    const Snapshot bent(tool);
    EXPECT_NE(bent.finalTargetArray, straight.finalTargetArray);
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
        ASSERT_TRUE(outcome.has_value()) << refusal.input;
        EXPECT_EQ(outcome->messageText, "Invalid Control Point");
        EXPECT_EQ(Snapshot(tool), bent) << refusal.input;
        EXPECT_EQ(tool.manualCurveControl().shadowControlValue, -20.0);
    }
    EXPECT_EQ(tool.setControlPoint(ControlPoint::midtone, 80, 0)->informativeText,
              "The control inputs must rise from shadow to midtone to highlight, each from 1 to "
              "99: shadow 25, midtone 80, highlight 75.");
    // The ends of the allowed range are allowed.
    EXPECT_EQ(tool.setControlPoint(ControlPoint::shadow, 1, 0), std::nullopt);
    EXPECT_EQ(tool.setControlPoint(ControlPoint::highlight, 99, 0), std::nullopt);
    EXPECT_EQ(tool.manualCurveControl().xs, (std::vector<double>{100, 99, 50, 1, 0}));

    tool.resetOutputCurvePoints();
    EXPECT_EQ(Snapshot(tool), straight);
    EXPECT_EQ(tool.manualCurveControl().shadowOutput, 25.0);
    EXPECT_EQ(tool.manualCurveControl().midOutput, 50.0);
    EXPECT_EQ(tool.manualCurveControl().highlightOutput, 75.0);
}

TEST_F(LinearizationToolTest, SavesAndExportsTheLinearizedCurve) {
    loadBoth();
    EXPECT_EQ(tool.currentQuadFile()->processNotes,
              "Example curve for the linearization tests\nMatte paper, 2880 dpi");
    const QuadCurve& linearized = tool.currentLinearization()->linearizedQuadCurve2DArray;
    for (const std::vector<double>& channel : linearized) {
        for (const double value : channel) {
            ASSERT_TRUE(value >= 0.0 && value < 65536.0) << value;
        }
    }

    const std::vector<std::string> labels = {"# K Curve", "# C Curve", "# M Curve", "# Y Curve"};
    const testing::TemporaryFolder folder;
    const std::string notes = "Linearized from wedge21\nMatte paper, 2880 dpi";
    ASSERT_EQ(tool.saveLinearizedCurveFile(folder.path() / "linearized.quad", notes), std::nullopt);
    const std::string expected = joinStrings(
        quadtest::quadLines(
            "## QuadToneRIP K,C,M,Y",
            {"# Halidewerk Silvergrain v2", "# Linearized from wedge21", "# Matte paper, 2880 dpi"},
            labels, linearized),
        "\n");
    EXPECT_EQ(folder.read("linearized.quad"), expected);
    EXPECT_EQ(tool.linearizedQuadFileText(notes).value(), expected);
    EXPECT_EQ(tool.currentQuadFile()->processNotes, notes);

    // A failed write says why and keeps the notes the file had.
    EXPECT_EQ(tool.saveLinearizedCurveFile(folder.path() / "missing" / "out.quad", "Other")
                  .value()
                  .messageText,
              "Failed to Save");
    EXPECT_EQ(tool.currentQuadFile()->processNotes, notes);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));

    ASSERT_EQ(tool.exportGutenprintXML(folder.path()), std::nullopt);
    const char* names[] = {"Black.xml", "Cyan.xml", "Magenta.xml", "Yellow.xml"};
    for (std::size_t ch = 0; ch < 4; ++ch) {
        EXPECT_EQ(
            folder.read(names[ch]),
            GutenprintInkXML(linearized[ch], labels[ch], folder.path().filename().string()).lut);
    }
}

// The files a newcomer opens first must keep working.
TEST_F(LinearizationToolTest, ExampleFilesLinearize) {
    const std::filesystem::path examples = dataFolder / ".." / ".." / ".." / "examples";
    for (const char* wedgeFile : {"wedge-21-steps.txt", "wedge-51-steps.txt"}) {
        ASSERT_EQ(tool.loadMeasurements(examples / wedgeFile), std::nullopt) << wedgeFile;
        EXPECT_EQ(tool.linearity()->warningText(), "");
    }
    ASSERT_EQ(tool.loadQuadFile(examples / "example-curve.quad"), std::nullopt);
    EXPECT_EQ(tool.currentLinearization()->linearizedQuadCurve2DArray.size(), 8u);
}

}  // namespace
}  // namespace sg
