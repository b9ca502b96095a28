#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Common/Diagnostics.h"
#include "Linearization/LinearizationTool.h"
#include "Support/TemporaryFolder.h"
#include "Support/TestData.h"

namespace sg {
namespace {

// The command line drives the tool model through the same actions, so the precise method's
// curve is the model's to the byte, and the report on the standard error is the model's.
TEST(LinearizeCommandTest, PreciseMethodWritesTheModelsCurveAndReportsItsPrediction) {
    const struct {
        const char* wedge;
        std::string options;
        double splineStrength;
        bool bendMidtone;
    } rows[] = {
        {"wedge-21-steps.txt", "", LinearizationControlRanges::splineStart, false},
        {"wedge-51-steps.txt", " --spline 0.4 --midtone 50:10", 0.4, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.wedge);
        const testing::TemporaryFolder folder;
        const std::string wedge = testing::example(row.wedge).string();
        const std::string curve = testing::example("example-curve.quad").string();
        const std::string command =
            "'" SILVERGRAIN_CLI_PATH "' linearize --measurements '" + wedge + "' --quad '" + curve +
            "' --method precise --report -o '" + (folder.path() / "cli.quad").string() + "'" +
            row.options + " 2>'" + (folder.path() / "report.txt").string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << folder.read("report.txt");

        const DiagnosticsCapture quiet;
        LinearizationTool tool;
        ASSERT_TRUE(tool.loadMeasurements(wedge).isDone());
        tool.setCorrectionMethod(CorrectionMethod::precise);
        tool.setSplineStrength(row.splineStrength);
        if (row.bendMidtone) {
            ASSERT_TRUE(tool.setControlPoint(ControlPoint::midtone, 50, 10).isDone());
        }
        ASSERT_TRUE(tool.loadQuadFile(curve).isDone());
        EXPECT_EQ(folder.read("cli.quad"),
                  tool.linearizedFileText(tool.curveFile()->notes()).value());
        EXPECT_EQ(folder.read("report.txt"),
                  "Measured wedge: max |dL*| " + tool.linearity()->maximumDeviationText() +
                      ", mean " + tool.linearity()->meanDeviationText() +
                      "\nPredicted after the precise correction: max |dL*| " +
                      tool.predictedLinearity()->maximumDeviationText() + ", mean " +
                      tool.predictedLinearity()->meanDeviationText() + "\n");
    }
}

}  // namespace
}  // namespace sg
