#include "CurveCreation/AutomaticCurveCreation.h"

#include <gtest/gtest.h>

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
struct Snapshot {
    explicit Snapshot(const AutomaticCurveCreation& tool)
        : inks(tool.inks()),
          limited(tool.limitedInkCurves()),
          channels(tool.slotChannels()),
          curve(tool.curve()),
          fileName(tool.chartFileName()) {}
    bool operator==(const Snapshot&) const = default;

    std::vector<InkSettings> inks;
    std::vector<std::vector<double>> limited;
    QuadCurve channels;
    QuadCurve curve;
    std::optional<std::string> fileName;
};

std::vector<double> grayValuesOf(const std::vector<InkSettings>& inks) {
    std::vector<double> grays;
    for (const InkSettings& ink : inks) {
        grays.push_back(ink.grayValue);
    }
    return grays;
}

TEST(AutomaticCurveCreationTest, StartsFromTheBuiltInChartOfOneInk) {
    const AutomaticCurveCreation tool;
    EXPECT_EQ(tool.inks(), (std::vector<InkSettings>{{"Black", 100, 100, 0.1, 0.1, 100}}));
    EXPECT_EQ(tool.inkCurves(), separatedInkCurves(builtInSeparationChart));
    EXPECT_EQ(tool.slotState(0), (InkSlotState{"Black", false, true, false}));
    EXPECT_EQ(tool.slotState(1), (InkSlotState{"Not Used", false, false, false}));
    EXPECT_EQ(tool.slotChannels().size(), 1u);
    EXPECT_TRUE(tool.curve().empty());
    EXPECT_EQ(tool.graphHint(), "Choose a printer model to build the curve.");
    EXPECT_FALSE(tool.curveFileText().ok());
    EXPECT_EQ(tool.inkLimitGraph(),
              (std::vector<InkGraphSeries>{{"Ink Black", 0, tool.limitedInkCurves()[0]}}));
}

TEST(AutomaticCurveCreationTest, BuildsTheExampleChartEndToEnd) {
    AutomaticCurveCreation tool;
    ASSERT_TRUE(tool.choosePrinterModel("P800").isDone());
    ASSERT_TRUE(tool.loadChart(exampleChart).isDone());
    EXPECT_EQ(tool.chartFileName(), "separation-chart-3-inks.txt");

    // Three inks, named after the first channels until the user names them.
    ASSERT_EQ(tool.inkCount(), 3u);
    std::vector<std::vector<double>> limited;
    for (std::size_t i = 0; i < 3; ++i) {
        const InkSettings& ink = tool.inks()[i];
        EXPECT_EQ(ink.inkName, (std::vector<std::string>{"Black", "Cyan", "Magenta"}[i]));
        EXPECT_EQ(ink.inkLimit, 100.0);
        EXPECT_EQ(ink.hardwareLimit, 100.0);
        EXPECT_EQ(ink.startingOverlap, 0.1);
        EXPECT_EQ(ink.endingOverlap, 0.1);
        limited.push_back(limitedInkCurve(tool.inkCurves()[i], 100));
    }
    EXPECT_EQ(tool.limitedInkCurves(), limited);
    // The gray values are the crossovers, on the black ink's scale: full black reaches light
    // black's darkest tone at about 30 % ink, light black reaches light light black's at
    // about 30 % of that.
    const std::vector<double> grays = grayValuesOf(tool.inks());
    EXPECT_EQ(grays, crossoverPoints(limited).value());
    EXPECT_NEAR(grays[1], 30.0, 3.0);
    EXPECT_NEAR(grays[2], 8.5, 1.5);

    ASSERT_TRUE(tool.selectInk(1, "Light Black").isDone());
    ASSERT_TRUE(tool.selectInk(2, "Light Light Black").isDone());
    ASSERT_TRUE(tool.setInkLimit(2, 80).isDone());
    ASSERT_TRUE(tool.setHardwareLimit(0, 90).isDone());
    EXPECT_EQ(tool.limitedInkCurves()[2], limitedInkCurve(tool.inkCurves()[2], 80));
    EXPECT_EQ(grayValuesOf(tool.inks()), crossoverPoints(tool.limitedInkCurves()).value());

    // The channels are linearized with the darkest ink's limited curve ...
    PositiveCorrectionCurve correction;
    correction.measuredResponse = tool.limitedInkCurves()[0];
    correction.recompute();
    EXPECT_EQ(tool.slotChannels(),
              linearizedCurve(inkChannels(tool.inks(), RampShape::spline), *correction.positions,
                              levelPositions(tenDecimalLevelStep), NonNumbers::silent));
    // ... and placed by name: black in K, light black in LK, light light black in LLK.
    const QuadCurve& channels = tool.slotChannels();
    const std::vector<double> zero(levelCount, 0.0);
    EXPECT_EQ(tool.curve(),
              (QuadCurve{channels[0], zero, zero, zero, zero, zero, channels[1], channels[2]}));
    ASSERT_EQ(tool.inkLimitGraph().size(), 3u);
    EXPECT_EQ(tool.inkLimitGraph()[1].label, "Ink Light Black");
    EXPECT_EQ(tool.inkLimitGraph()[1].colorPosition, 6u);

    TemporaryFolder folder;
    ASSERT_TRUE(tool.saveCurve(folder.path() / "example.quad").isDone());
    const std::string saved = folder.read("example.quad");
    EXPECT_EQ(saved, tool.curveFileText().value());
    EXPECT_TRUE(testing::matchesGoldenFile(saved, "curve-creation/automatic-example.quad"));
}

TEST(AutomaticCurveCreationTest, HardwareLimitsScaleTheirInk) {
    AutomaticCurveCreation tool;
    ASSERT_TRUE(tool.loadChart(exampleChart).isDone());
    const QuadCurve full = tool.slotChannels();
    ASSERT_TRUE(tool.setHardwareLimit(1, 50).isDone());
    const QuadCurve halved = tool.slotChannels();
    EXPECT_EQ(halved[0], full[0]);
    for (std::size_t level = 0; level < levelCount; ++level) {
        EXPECT_NEAR(halved[1][level], full[1][level] / 2.0, 1e-6) << level;
    }
    EXPECT_EQ(tool.inks()[1].hardwareLimit, 50.0);
}

TEST(AutomaticCurveCreationTest, RefusalsKeepTheToolAsItWas) {
    TemporaryFolder folder;
    const auto chart = [&folder](const std::string& name, const std::vector<double>& values) {
        return folder.write(name, testing::cgatsBytes(values));
    };
    const std::vector<double> nineInks(9 * 21, 50.0);
    struct Row {
        const char* name;
        std::filesystem::path file;
        std::string text;  // the alert's text
    };
    const Row rows[] = {
        {"another format", testing::testData("measurements/datatool-wedge21.txt"),
         "Automatic curve creation reads CGATS files only."},
        {"20 values", chart("short.txt", std::vector<double>(20, 50.0)),
         "An ink separation chart holds 21 values for every ink; this file holds 20."},
        {"nine inks", chart("nine.txt", nineInks),
         "This chart holds 9 inks; the tool has 8 ink slots."},
        {"lighter ink first", chart("swapped.txt", evenChart({60, 20})),
         // The darkest tone is read at 99/100 of the way to the limit.
         "The curve of ink 1 never passes L* 21.5, the darkest tone of ink 2 at its limit, so "
         "ink 2 gets no gray value. Each ink at its limit must be darker than the next one at "
         "its limit, the darkest ink first."},
    };
    AutomaticCurveCreation tool;
    ASSERT_TRUE(tool.choosePrinterModel("P800").isDone());
    ASSERT_TRUE(tool.loadChart(chart("two.txt", evenChart({10, 50}))).isDone());
    const Snapshot before(tool);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = tool.loadChart(row.file);
        ASSERT_TRUE(outcome.isRefused());
        EXPECT_EQ(outcome.alert()->text, row.text);
        EXPECT_EQ(Snapshot(tool), before);
    }
    EXPECT_TRUE(tool.loadChart(folder.path() / "missing.txt").isRefused());

    // A limit that leaves the darkest ink lighter than the next one's darkest tone.
    const Outcome limit = tool.setInkLimit(0, 5);
    ASSERT_TRUE(limit.isRefused());
    EXPECT_EQ(limit.alert()->title, "Failed to Create Curve");
    // Slot actions outside the chart's inks, and names that are no ink of the printer.
    EXPECT_TRUE(tool.setInkLimit(2, 50).isRefused());
    EXPECT_TRUE(tool.setHardwareLimit(2, 50).isRefused());
    EXPECT_TRUE(tool.setStartingOverlap(2, 0.5).isRefused());
    EXPECT_TRUE(tool.selectInk(2, "Cyan").isRefused());
    EXPECT_TRUE(tool.selectInk(1, "Not Used").isRefused());
    EXPECT_TRUE(tool.selectInk(1, "Orange").isRefused());
    EXPECT_TRUE(tool.selectInk(1, "Select Ink").isDone());
    EXPECT_EQ(Snapshot(tool), before);
}

}  // namespace
}  // namespace sg
