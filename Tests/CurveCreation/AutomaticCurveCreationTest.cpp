#include "CurveCreation/AutomaticCurveCreation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "Common/InkScale.h"
#include "CurveCreation/InkChannels.h"
#include "CurveCreation/InkSeparation.h"
#include "Linearization/CurveLinearization.h"
#include "Linearization/PositiveCorrectionCurve.h"
#include "Support/GoldenFile.h"
#include "Support/MeasurementText.h"
#include "Support/TemporaryFolder.h"
#include "Support/TestData.h"

namespace sg {
namespace {

using testing::TemporaryFolder;

const std::filesystem::path exampleChart = testing::example("separation-chart-3-inks.txt");

// A chart of inks falling evenly from 96 to the given darkest tones, darkest ink first.
std::vector<double> evenChart(const std::vector<double>& darkest) {
    std::vector<double> chart;
    for (int step = 0; step < 21; ++step) {
        for (const double tone : darkest) {
            chart.push_back(96.0 + (tone - 96.0) * step / 20.0);
        }
    }
    return chart;
}

// What a view draws or saves.
auto snapshot(const AutomaticCurveCreation& tool) {
    return std::tuple(tool.inks(), tool.limitedInkCurves(), tool.slotChannels(), tool.curve(),
                      tool.chartFileName());
}

TEST(AutomaticCurveCreationTest, StartsFromTheBuiltInChartOfOneInk) {
    const AutomaticCurveCreation tool;
    EXPECT_EQ(tool.inks(), (std::vector<InkSettings>{{"Black", 100, 100, 0.1, 0.1, 100}}));
    EXPECT_EQ(tool.inkCurves(), separatedInkCurves(builtInSeparationChart));
    EXPECT_EQ(tool.slotState(0), (InkSlotState{"Black", false, true, false}));
    EXPECT_EQ(tool.slotState(1), (InkSlotState{"Not Used", false, false, false}));
    EXPECT_EQ(tool.inkLimitGraph(),
              (std::vector<InkGraphSeries>{{"Ink Black", 0, tool.limitedInkCurves()[0]}}));
}

TEST(AutomaticCurveCreationTest, BuildsTheExampleChartEndToEnd) {
    AutomaticCurveCreation tool;
    ASSERT_TRUE(tool.choosePrinterModel("P800").isDone());
    ASSERT_TRUE(tool.loadChart(exampleChart).isDone());
    EXPECT_EQ(tool.chartFileName(), "separation-chart-3-inks.txt");

    // Three inks, named after the first channels until the user names them, their gray
    // values the crossovers of their curves at full limits.
    std::vector<std::vector<double>> limited;
    for (const std::vector<double>& curve : tool.inkCurves()) {
        limited.push_back(limitedInkCurve(curve, 100));
    }
    const std::vector<double> grays = crossoverPoints(limited).value();
    EXPECT_EQ(tool.inks(), (std::vector<InkSettings>{{"Black", 100, 100, 0.1, 0.1, grays[0]},
                                                     {"Cyan", 100, 100, 0.1, 0.1, grays[1]},
                                                     {"Magenta", 100, 100, 0.1, 0.1, grays[2]}}));
    // On the black ink's scale: full black reaches light black's darkest tone at about 30 %
    // ink, light black reaches light light black's at about 30 % of that.
    EXPECT_NEAR(grays[1], 30.0, 3.0);
    EXPECT_NEAR(grays[2], 8.5, 1.5);

    ASSERT_TRUE(tool.selectInk(1, "Light Black").isDone());
    ASSERT_TRUE(tool.selectInk(2, "Light Light Black").isDone());
    ASSERT_TRUE(tool.setInkLimit(2, 80).isDone());
    ASSERT_TRUE(tool.setHardwareLimit(0, 90).isDone());
    limited[2] = limitedInkCurve(tool.inkCurves()[2], 80);
    EXPECT_EQ(tool.limitedInkCurves(), limited);
    EXPECT_EQ(tool.inks()[2].grayValue, crossoverPoints(limited).value()[2]);

    // The channels are linearized with the darkest ink's limited curve ...
    PositiveCorrectionCurve correction;
    correction.measuredResponse = limited[0];
    correction.recompute();
    const QuadCurve& channels = tool.slotChannels();
    EXPECT_EQ(channels,
              linearizedCurve(inkChannels(tool.inks(), RampShape::spline), *correction.positions,
                              levelPositions(tenDecimalLevelStep), NonNumbers::silent));
    // ... and placed by name: black in K, light black in LK, light light black in LLK.
    const std::vector<double> zero(levelCount, 0.0);
    EXPECT_EQ(tool.curve(),
              (QuadCurve{channels[0], zero, zero, zero, zero, zero, channels[1], channels[2]}));
    EXPECT_EQ(tool.inkLimitGraph()[1], (InkGraphSeries{"Ink Light Black", 6, limited[1]}));

    TemporaryFolder folder;
    ASSERT_TRUE(tool.saveCurve(folder.path() / "example.quad").isDone());
    EXPECT_TRUE(testing::matchesGoldenFile(folder.read("example.quad"),
                                           "curve-creation/automatic-example.quad"));
}

TEST(AutomaticCurveCreationTest, RefusalsKeepTheToolAsItWas) {
    TemporaryFolder folder;
    const auto chart = [&folder](const std::string& name, const std::vector<double>& values) {
        return folder.write(name, testing::cgatsBytes(values));
    };
    const std::pair<std::filesystem::path, std::string> loads[] = {
        {testing::testData("measurements/datatool-wedge21.txt"),
         "Automatic curve creation reads CGATS files only."},
        {chart("short.txt", std::vector<double>(20, 50.0)),
         "An ink separation chart holds 21 values for every ink; this file holds 20."},
        {chart("nine.txt", std::vector<double>(9 * 21, 50.0)),
         "This chart holds 9 inks; the tool has 8 ink slots."},
        // The darkest tone is read at 99/100 of the way to the limit.
        {chart("swapped.txt", evenChart({60, 20})), "The curve of ink 1 never passes L* 21.5,"},
    };
    AutomaticCurveCreation tool;
    ASSERT_TRUE(tool.choosePrinterModel("P800").isDone());
    ASSERT_TRUE(tool.loadChart(chart("two.txt", evenChart({10, 50}))).isDone());
    const auto before = snapshot(tool);
    for (const auto& [file, text] : loads) {
        const Outcome outcome = tool.loadChart(file);
        ASSERT_TRUE(outcome.isRefused()) << file;
        EXPECT_EQ(outcome.alert()->text.substr(0, text.size()), text);
        EXPECT_EQ(snapshot(tool), before) << file;
    }
    EXPECT_TRUE(tool.loadChart(folder.path() / "missing.txt").isRefused());
    // A limit that leaves the darkest ink lighter than the next one's darkest tone.
    EXPECT_EQ(tool.setInkLimit(0, 5).alert()->title, "Failed to Create Curve");
    // Slot actions past the chart's inks, and names that are no ink of the printer.
    EXPECT_TRUE(tool.setInkLimit(2, 50).isRefused());
    EXPECT_TRUE(tool.selectInk(2, "Cyan").isRefused());
    EXPECT_TRUE(tool.selectInk(1, "Not Used").isRefused());
    EXPECT_TRUE(tool.selectInk(1, "Select Ink").isDone());
    EXPECT_EQ(snapshot(tool), before);
}

}  // namespace
}  // namespace sg
