#include "CurveTools/QuadLevelsTool.h"

#include <cmath>
#include <filesystem>

#include <gtest/gtest.h>

// Saving, export and refusals are driven through the view in Tests/App/QuadLevelsViewTest,
// with exact bytes; these cases are the model's own.
namespace sg {
namespace {

const std::filesystem::path dataFolder =
    std::filesystem::path(SILVERGRAIN_TEST_DATA_DIR) / "CurveTools";

TEST(QuadLevelsTool, LoadKeepsTheSelectionAndARefusalKeepsEverything) {
    QuadLevelsTool tool;
    tool.setSelection(0.5, 1.0);
    EXPECT_EQ(tool.trimmedCurve()[0][0], 32512.0);  // the built-in ramp at level 127
    ASSERT_TRUE(tool.loadQuadFile(dataFolder / "WarmBaryta8.quad").isDone());
    EXPECT_EQ(tool.lowLevel(), 127);
    EXPECT_EQ(tool.trimmedCurve()[0][0], tool.curveFile()->curve()[0][127]);

    const QuadCurve before = tool.trimmedCurve();
    const Outcome failure = tool.loadQuadFile(dataFolder / "DivZeroExport.quad");
    ASSERT_TRUE(failure.isRefused());
    EXPECT_EQ(failure.alert()->title, "Failed to Load Quad File");
    EXPECT_EQ(tool.trimmedCurve(), before);
    EXPECT_EQ(tool.curveFile()->fileName(), "WarmBaryta8.quad");
}

TEST(QuadLevelsTool, SelectionIsClampedAndOrdered) {
    QuadLevelsTool tool;
    tool.setSelection(-1.0, 2.0);
    EXPECT_EQ(tool.selectionStart(), 0.0);
    EXPECT_EQ(tool.selectionEnd(), 1.0);
    tool.setSelection(0.6, 0.2);
    EXPECT_EQ(tool.selectionEnd(), 0.6);
    EXPECT_EQ(tool.lowLevel(), 153);
    EXPECT_EQ(tool.highLevel(), 153);
    tool.setSelection(std::nan(""), std::nan(""));
    EXPECT_EQ(tool.highLevel(), 0);
    for (const double value : tool.trimmedCurve()[0]) {
        EXPECT_FALSE(std::isnan(value));
    }
}

TEST(QuadLevelsTool, ZeroingIsKeptOnlyAfterASuccessfulWrite) {
    QuadLevelsTool tool;
    // Nothing loaded: the writer is not even asked.
    EXPECT_TRUE(
        tool.saveTrimmedCurve([](std::string_view) { return Outcome::refused(Alert{}); }, true)
            .isDone());
    ASSERT_TRUE(tool.loadQuadFile(dataFolder / "WarmBaryta8.quad").isDone());
    tool.setSelection(0.6, 0.9);
    const QuadCurve before = tool.trimmedCurve();
    ASSERT_GT(before[0][0], 0.0);

    const Alert diskFull{"Failed to Save", "disk full"};
    EXPECT_EQ(
        tool.saveTrimmedCurve([&](std::string_view) { return Outcome::refused(diskFull); }, true)
            .alert(),
        diskFull);
    EXPECT_EQ(tool.trimmedCurve(), before);

    std::string written;
    EXPECT_TRUE(tool.saveTrimmedCurve(
                        [&](std::string_view text) {
                            written = text;
                            return Outcome();
                        },
                        true)
                    .isDone());
    EXPECT_EQ(written, tool.trimmedFileText(false));  // the stored result is zeroed now
    for (const std::vector<double>& channel : tool.trimmedCurve()) {
        EXPECT_EQ(channel[0], 0.0);
    }
    tool.setSelection(0.6, 0.9);
    EXPECT_EQ(tool.trimmedCurve(), before);
}

}  // namespace
}  // namespace sg
