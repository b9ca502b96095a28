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

// Runs silvergrain-cli with the arguments, its standard error into the folder's "stderr.txt";
// returns its exit status.
int runCli(const std::vector<std::string>& arguments, const testing::TemporaryFolder& folder) {
    std::string command = "'" SILVERGRAIN_CLI_PATH "'";
    for (const std::string& argument : arguments) {
        command += " '" + argument + "'";
    }
    command += " 2>'" + (folder.path() / "stderr.txt").string() + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The command line drives the tool model through the same actions, so the precise method's
// curve is the model's to the byte; the report shows the model's read-outs.
TEST(LinearizeCommandTest, PreciseMethodWritesTheModelsCurveAndReportsItsPrediction) {
    const struct {
        const char* wedge;
        std::vector<std::string> options;
        double splineSetting;
        bool bendMidtone;
    } rows[] = {
        {"wedge-21-steps.txt", {}, LinearizationControlRanges::splineStart, false},
        {"wedge-51-steps.txt", {"--spline", "0.4", "--midtone", "50:10"}, 0.4, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.wedge);
        const testing::TemporaryFolder folder;
        const std::string wedge = testing::example(row.wedge).string();
        const std::string curve = testing::example("example-curve.quad").string();
        std::vector<std::string> arguments = {"linearize", "--measurements",
                                              wedge,       "--quad",
                                              curve,       "--method",
                                              "precise",   "--report",
                                              "-o",        (folder.path() / "cli.quad").string()};
        arguments.insert(arguments.end(), row.options.begin(), row.options.end());
        ASSERT_EQ(runCli(arguments, folder), 0) << folder.read("stderr.txt");

        const DiagnosticsCapture quiet;
        LinearizationTool tool;
        ASSERT_TRUE(tool.loadMeasurements(wedge).isDone());
        tool.setCorrectionMethod(CorrectionMethod::precise);
        tool.setSplineSetting(row.splineSetting);
        if (row.bendMidtone) {
            ASSERT_TRUE(tool.setControlPoint(ControlPoint::midtone, 50, 10).isDone());
        }
        ASSERT_TRUE(tool.loadQuadFile(curve).isDone());
        EXPECT_EQ(folder.read("cli.quad"),
                  tool.linearizedFileText(tool.curveFile()->notes()).value());
        EXPECT_EQ(folder.read("stderr.txt"),
                  "Measured wedge: max |dL*| " + tool.linearity()->maximumDeviationText() +
                      ", mean " + tool.linearity()->meanDeviationText() +
                      "\nPredicted after the precise correction: max |dL*| " +
                      tool.predictedLinearity()->maximumDeviationText() + ", mean " +
                      tool.predictedLinearity()->meanDeviationText() + "\n");
    }
}

TEST(LinearizeCommandTest, UnknownMethodIsAUsageErrorThatWritesNothing) {
    const testing::TemporaryFolder folder;
    EXPECT_EQ(
        runCli({"linearize", "--measurements", testing::example("wedge-21-steps.txt").string(),
                "--quad", testing::example("example-curve.quad").string(), "--method", "Precise",
                "-o", (folder.path() / "cli.quad").string()},
               folder),
        2);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "cli.quad"));
}

}  // namespace
}  // namespace sg
