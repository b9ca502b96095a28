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
    EXPECT_EQ(tool.limitedCurves()[0][0], 32512.0);  // the built-in ramp at level 127
    ASSERT_EQ(tool.loadQuadFile(dataFolder / "WarmBaryta8.quad"), std::nullopt);
    EXPECT_EQ(tool.lowLimit(), 127);
    EXPECT_EQ(tool.limitedCurves()[0][0], tool.currentFile()->inputQuadCurveArray[0][127]);
    EXPECT_EQ(tool.currentFile()->quadHeaders, tool.currentFile()->inkList);

    const QuadCurve before = tool.limitedCurves();
    const Outcome failure = tool.loadQuadFile(dataFolder / "DivZeroExport.quad");
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->messageText, "Failed to Load Quad File");
    EXPECT_EQ(tool.limitedCurves(), before);
    EXPECT_EQ(tool.currentFile()->quadCurveFileName, "WarmBaryta8.quad");
}

TEST(QuadLevelsTool, SelectionIsClampedAndOrdered) {
    QuadLevelsTool tool;
    tool.setSelection(-1.0, 2.0);
    EXPECT_EQ(tool.selectionStart(), 0.0);
    EXPECT_EQ(tool.selectionEnd(), 1.0);
    tool.setSelection(0.6, 0.2);
    EXPECT_EQ(tool.selectionEnd(), 0.6);
    EXPECT_EQ(tool.lowLimit(), 153);
    EXPECT_EQ(tool.highLimit(), 153);
    tool.setSelection(std::nan(""), std::nan(""));
    EXPECT_EQ(tool.highLimit(), 0);
    for (const double value : tool.limitedCurves()[0]) {
        EXPECT_FALSE(std::isnan(value));
    }
}

TEST(QuadLevelsTool, ZeroingIsKeptOnlyAfterASuccessfulWrite) {
    QuadLevelsTool tool;
    EXPECT_EQ(tool.saveQuadFile([](std::string_view) -> Outcome { return Alert{}; }, true),
              std::nullopt);  // nothing loaded: the writer is not even asked
    ASSERT_EQ(tool.loadQuadFile(dataFolder / "WarmBaryta8.quad"), std::nullopt);
    tool.setSelection(0.6, 0.9);
    const QuadCurve before = tool.limitedCurves();
    ASSERT_GT(before[0][0], 0.0);

    const Alert diskFull{"Failed to Save", "disk full"};
    EXPECT_EQ(tool.saveQuadFile([&](std::string_view) -> Outcome { return diskFull; }, true),
              diskFull);
    EXPECT_EQ(tool.limitedCurves(), before);

    std::string written;
    EXPECT_EQ(tool.saveQuadFile(
                  [&](std::string_view text) {
                      written = text;
                      return Outcome();
                  },
                  true),
              std::nullopt);
    EXPECT_EQ(written, tool.quadFileText(false));  // the stored result is zeroed now
    for (const std::vector<double>& channel : tool.limitedCurves()) {
        EXPECT_EQ(channel[0], 0.0);
    }
    tool.setSelection(0.6, 0.9);
    EXPECT_EQ(tool.limitedCurves(), before);
}

}  // namespace
}  // namespace sg
