#include "Linearization/LinearizationTool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "Common/Diagnostics.h"
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
    std::optional<std::vector<double>> measuredLabL;
    std::vector<double> resampledLabL;
    std::optional<std::string> measurementFileName;
    double measuredDmax;
    std::optional<double> linearityDeviation;
    std::vector<double> densitiesToCorrect;
    std::vector<double> finalTargetArray;
    std::optional<std::vector<double>> correction;
    std::optional<std::string> quadFileName;
    std::optional<std::vector<std::vector<double>>> linearized;
    double shadowInput, midInput, highlightInput;

    explicit Snapshot(const LinearizationTool& tool)
        : measuredLabL(tool.measuredValues().measuredLabL),
          resampledLabL(tool.measuredValues().originalInterpolatedMeasuredValues),
          measurementFileName(tool.measurementFileName()),
          measuredDmax(tool.measuredDmax()),
          densitiesToCorrect(tool.correctionCurve().densitiesToCorrect),
          finalTargetArray(tool.correctionCurve().finalTargetArray),
          correction(tool.correctionCurve().correctionCurveArray),
          shadowInput(tool.manualCurveControl().shadowInput),
          midInput(tool.manualCurveControl().midInput),
          highlightInput(tool.manualCurveControl().highlightInput) {
        if (tool.linearity()) {
            linearityDeviation = tool.linearity()->maximumDeviation;
        }
        if (tool.currentQuadFile()) {
            quadFileName = tool.currentQuadFile()->quadCurveFileName;
        }
        if (tool.currentLinearization()) {
            linearized = tool.currentLinearization()->linearizedQuadCurve2DArray;
        }
    }
    bool operator==(const Snapshot&) const = default;
};

class LinearizationToolTest : public ::testing::Test {
protected:
    // The dispatcher's "Loading error :" lines stay out of the test output.
    DiagnosticsCapture capture;
    LinearizationTool tool;
};

TEST_F(LinearizationToolTest, BeforeAnyMeasurementNothingCanBeLinearized) {
    EXPECT_TRUE(tool.measurementDataLoadingError());
    EXPECT_FALSE(tool.hasCorrectionCurve());

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
    EXPECT_EQ(tool.currentQuadFile()->quadHeaders, tool.currentQuadFile()->inkList);
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
    tool.setMovingAverageWindow(12);  // made before the load: the load smooths with it
    ASSERT_EQ(tool.loadMeasurements(wedge), std::nullopt);
    EXPECT_FALSE(tool.measurementDataLoadingError());
    EXPECT_EQ(tool.measurementFileName(), "wedge21.txt");
    ASSERT_TRUE(tool.measuredValues().measuredLabL.has_value());
    const std::vector<double>& labL = *tool.measuredValues().measuredLabL;
    ASSERT_EQ(labL.size(), 21u);
    EXPECT_EQ(labL.front(), 93.93);
    EXPECT_EQ(labL.back(), 16.26);
    EXPECT_EQ(tool.measuredDmax(), measuredDmaxFromLabL(16.26));
    EXPECT_NEAR(tool.measuredDmax(), 1.6674, 5e-5);

    ASSERT_TRUE(tool.linearity().has_value());
    EXPECT_GT(tool.linearity()->maximumDeviation, 15.0);
    EXPECT_EQ(tool.linearity()->warningText(), "");

    const std::optional<std::vector<double>> loaded = tool.correctionCurve().correctionCurveArray;
    tool.setMovingAverageWindow(12);
    EXPECT_EQ(tool.correctionCurve().correctionCurveArray, loaded);
    tool.setMovingAverageWindow(0);
    EXPECT_NE(tool.correctionCurve().correctionCurveArray, loaded);
}

TEST_F(LinearizationToolTest, RefusedFilesKeepEverything) {
    ASSERT_EQ(tool.loadMeasurements(wedge), std::nullopt);
    ASSERT_EQ(tool.loadQuadFile(curve), std::nullopt);
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
    ASSERT_EQ(tool.loadMeasurements(wedge), std::nullopt);
    ASSERT_EQ(tool.loadQuadFile(curve), std::nullopt);
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

    ASSERT_EQ(tool.loadMeasurements(swappedWedge), std::nullopt);
    ASSERT_EQ(tool.loadQuadFile(curve), std::nullopt);
    const Snapshot loaded(tool);
    // The untouched spline control smooths exactly as the load did.
    tool.setSplineSmoothingPercentage(LinearizationControlRanges::splineStart);
    EXPECT_EQ(Snapshot(tool), loaded);

    tool.setMovingAverageWindow(10);
    EXPECT_NE(Snapshot(tool).correction, loaded.correction);
    EXPECT_NE(Snapshot(tool).linearized, loaded.linearized);
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
    ASSERT_EQ(tool.loadMeasurements(wedge), std::nullopt);
    ASSERT_EQ(tool.loadQuadFile(curve), std::nullopt);
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

TEST_F(LinearizationToolTest, SavesTheLinearizedCurveUnderTheNotesGiven) {
    ASSERT_EQ(tool.loadMeasurements(wedge), std::nullopt);
    ASSERT_EQ(tool.loadQuadFile(curve), std::nullopt);
    EXPECT_EQ(tool.currentQuadFile()->processNotes,
              "Example curve for the linearization tests\nMatte paper, 2880 dpi");

    const testing::TemporaryFolder folder;
    const std::string notes = "Linearized from wedge21\nMatte paper, 2880 dpi";
    ASSERT_EQ(tool.saveLinearizedCurveFile(folder.path() / "linearized.quad", notes), std::nullopt);

    std::string expected =
        "## QuadToneRIP K,C,M,Y\n# Halidewerk Silvergrain v2\n# Linearized from wedge21\n"
        "# Matte paper, 2880 dpi";
    const char* labels[] = {"# K Curve", "# C Curve", "# M Curve", "# Y Curve"};
    const auto& linearized = tool.currentLinearization()->linearizedQuadCurve2DArray;
    for (std::size_t ch = 0; ch < 4; ++ch) {
        expected += std::string("\n") + labels[ch];
        for (const double value : linearized[ch]) {
            ASSERT_GE(value, 0.0);
            ASSERT_LT(value, 65536.0);
            expected += "\n" + std::to_string(static_cast<long long>(value));
        }
    }
    EXPECT_EQ(folder.read("linearized.quad"), expected);
    EXPECT_EQ(tool.linearizedQuadFileText(notes).value(), expected);
    EXPECT_EQ(tool.currentQuadFile()->processNotes, notes);

    // A failed write says why and keeps the notes the file had.
    const Outcome failed =
        tool.saveLinearizedCurveFile(folder.path() / "missing" / "out.quad", "Other notes");
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->messageText, "Failed to Save");
    EXPECT_EQ(tool.currentQuadFile()->processNotes, notes);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

TEST_F(LinearizationToolTest, ExportsTheLinearizedCurveForGutenprint) {
    ASSERT_EQ(tool.loadMeasurements(wedge), std::nullopt);
    ASSERT_EQ(tool.loadQuadFile(curve), std::nullopt);
    const testing::TemporaryFolder folder;
    ASSERT_EQ(tool.exportGutenprintXML(folder.path()), std::nullopt);
    for (const char* name : {"Black.xml", "Cyan.xml", "Magenta.xml", "Yellow.xml"}) {
        EXPECT_TRUE(std::filesystem::exists(folder.path() / name)) << name;
    }
    const auto& black = tool.currentLinearization()->linearizedQuadCurve2DArray[0];
    EXPECT_NE(folder.read("Black.xml").find("\n" + std::to_string(std::lround(black[200])) + "\n"),
              std::string::npos);
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
