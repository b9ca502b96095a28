#include "StarterCurves/StarterCurveTool.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Common/Strings.h"
#include "Support/GoldenFile.h"
#include "Support/TemporaryFolder.h"

namespace sg {
namespace {

constexpr int neutralPosition = 1;
constexpr int customPosition = 7;

TEST(StarterCurveTool, OpensOnTheGlossTableWithoutToner) {
    const StarterCurveTool tool;
    EXPECT_EQ(tool.settings(), StarterSettings{});
    EXPECT_EQ(tool.curve().curve(), StarterCurve().curve());
    EXPECT_EQ(tool.curve().blackTableName(), BlackTableName::k8Gloss);
    EXPECT_EQ(tool.blackLimit(), 68);  // 44853 is 68.44 %
    EXPECT_EQ(tool.cyanLimit(), 0);
    EXPECT_EQ(tool.saturationLabel(), "25.00");
}

TEST(StarterCurveTool, PaperAndTonerChoicesSetTheSaturationThePrinterKeepsIt) {
    StarterCurveTool tool;
    tool.chooseToner(neutralPosition);
    EXPECT_EQ(tool.settings().toner, Toner::neutral);
    EXPECT_EQ(tool.settings().saturation, 0.5);
    EXPECT_EQ(tool.saturationLabel(), "25.00");
    EXPECT_EQ(tool.cyanLimit(), 6);  // 25196 x 0.3 x 0.5 = 3779.4, 5.77 %
    EXPECT_EQ(tool.magentaLimit(), 8);
    EXPECT_EQ(tool.yellowLimit(), 0);

    tool.setSaturation(1.337);
    EXPECT_EQ(tool.saturationLabel(), "66.85");
    tool.choosePrinter(3);
    EXPECT_EQ(tool.settings().printer, PrinterModel::x900);
    EXPECT_EQ(tool.settings().saturation, 1.337);
    tool.choosePaper("Matte");
    EXPECT_EQ(tool.settings().paper, Paper::matte);
    EXPECT_EQ(tool.settings().saturation, 0.5);
    tool.setSaturation(1.337);
    tool.chooseToner(neutralPosition);
    EXPECT_EQ(tool.settings().saturation, 0.5);
}

TEST(StarterCurveTool, CustomFactorsActOnlyOnTheCustomTonerAtTheShownSaturation) {
    StarterCurveTool tool;
    tool.chooseToner(neutralPosition);
    const QuadCurve neutral = tool.curve().curve();
    tool.setCustomYellow(0.2);
    EXPECT_EQ(tool.curve().curve(), neutral);

    tool.chooseToner(customPosition);
    EXPECT_EQ(tool.settings().custom, (CustomTonerFactors{0.0, 0.0, 0.2}));
    EXPECT_EQ(tool.yellowLimit(), 3);  // 19455.7 x 0.1 = 1945.6, 2.97 %

    // The label shows "38.89"; a custom control takes the saturation from there.
    tool.setSaturation(0.77777);
    tool.setCustomCyan(0.1);
    EXPECT_EQ(tool.settings().saturation, 38.89 / 50.0);
    EXPECT_EQ(tool.settings().custom, (CustomTonerFactors{0.1, 0.0, 0.2}));
}

TEST(StarterCurveTool, ControlValuesAreKeptWithinTheirRanges) {
    StarterCurveTool tool;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    tool.setBoost(nan);
    EXPECT_EQ(tool.boostSliderValue(), 0.0);
    tool.setSaturation(-1.0);
    EXPECT_EQ(tool.settings().saturation, 0.0);
    tool.setSaturation(nan);
    EXPECT_EQ(tool.settings().saturation, 0.0);
    tool.setCustomMagenta(5.0);
    EXPECT_EQ(tool.settings().custom.magenta, 1.0);
    tool.choosePaper("DTP Polymergravure (MK)");
    tool.setBoost(1000.0);
    EXPECT_EQ(tool.boostSliderValue(), 100.0);
    EXPECT_EQ(tool.settings().boost, 100.0);  // 10376 x 2 is only 32 %
    EXPECT_EQ(tool.blackLimit(), 32);
}

// The boost in use drops in steps of 1.5 until black reads 100 % or less: from 50 over 48.5
// and 47 to 45.5 on the P600 gloss table.
TEST(StarterCurveTool, BoostLoopHoldsTheBlackLimitAndLowersOnlyTheBoostInUse) {
    StarterCurveTool tool;
    tool.choosePrinter(0);
    tool.choosePaper("Gloss");
    tool.setBoost(50.0);
    EXPECT_EQ(tool.boostSliderValue(), 50.0);
    EXPECT_EQ(tool.settings().boost, 45.5);
    EXPECT_EQ(tool.blackLimit(), 100);

    // Other choices keep the boost in use; the matte blacks go past full ink, and the file
    // holds them at 65535.
    tool.choosePaper("Matte");
    EXPECT_EQ(tool.settings().boost, 45.5);
    EXPECT_EQ(tool.blackLimit(), 113);
    const std::vector<std::string> lines = splitString(tool.fileText(), '\n');
    EXPECT_EQ(lines[2 + 256], "65535");
}

TEST(StarterCurveTool, BlackBelowZeroReadsZero) {
    StarterCurveTool tool;
    tool.choosePaper("DTP Polymergravure (MK)");
    tool.chooseToner(neutralPosition);
    tool.setSaturation(2.0);
    ASSERT_LT(tool.curve().curve()[0][255], 0.0);  // the toner outweighs the blacks
    EXPECT_EQ(tool.blackLimit(), 0);
    EXPECT_EQ(splitString(tool.fileText(), '\n')[2 + 256], "0");
}

TEST(StarterCurveTool, SavedFilesMatchTheirGoldenBytes) {
    StarterCurveTool eightInks;
    eightInks.choosePrinter(0);
    eightInks.chooseToner(3);  // Warm
    eightInks.setBoost(60.0);
    eightInks.choosePaper("Matte");
    eightInks.setSaturation(0.8);
    const std::string eightInkText = eightInks.fileText();
    EXPECT_EQ(splitString(eightInkText, '\n').size(), 2058u);
    EXPECT_TRUE(sg::testing::matchesGoldenFile(eightInkText, "starter-8-channel.quad"));

    StarterCurveTool tenInks;
    tenInks.choosePrinter(5);
    tenInks.choosePaper("Gravure Positive");
    tenInks.chooseToner(customPosition);
    tenInks.setCustomCyan(0.1);
    tenInks.setCustomMagenta(0.25);
    tenInks.setCustomYellow(0.4);
    tenInks.setBoost(30.0);
    const std::string tenInkText = tenInks.fileText();
    EXPECT_EQ(splitString(tenInkText, '\n').size(), 2572u);
    EXPECT_TRUE(sg::testing::matchesGoldenFile(tenInkText, "starter-10-channel.quad"));

    const sg::testing::TemporaryFolder folder;
    ASSERT_TRUE(tenInks.saveCurve(folder.path() / "starter.quad").isDone());
    EXPECT_EQ(folder.read("starter.quad"), tenInkText);
    const Outcome refused = tenInks.saveCurve(folder.path() / "missing" / "starter.quad");
    ASSERT_TRUE(refused.isRefused());
    EXPECT_EQ(refused.alert()->title, "Failed to Save");

    ASSERT_TRUE(tenInks.exportGutenprintXml(folder.path()).isDone());
    for (const char* name : {"Black.xml", "LightLightBlack.xml", "Orange.xml", "Green.xml"}) {
        EXPECT_TRUE(std::filesystem::exists(folder.path() / name)) << name;
    }
    EXPECT_NE(folder.read("Black.xml").find("<channelname>\n# K CURVE\n</channelname>"),
              std::string::npos);
}

}  // namespace
}  // namespace sg
